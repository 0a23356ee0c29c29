#pragma once
// What the application core tells the main window beyond the Host. The window overrides what it
// shows; the command line keeps the defaults, which do nothing.

// Controls the core asks the window to focus after it refused their input.
enum class InputFocus { StoredYear };  // edtYY_C

class MainWindowEvents {
 public:
  virtual ~MainWindowEvents() = default;

  // A run started or ended: btnStart is disabled while it runs.
  virtual void runningChanged(bool /*running*/) {}
  // OutDirFiles() changed: listOutDir and lblOutDirFileCount.
  virtual void outDirListChanged() {}
  // The race days changed: listLegKaisaibi and listRtdKaisaibi show RaceDayListItems of the
  // schedule, with the items the core's inputs select.
  virtual void raceDayListsChanged() {}
  // A run succeeded in a program started with "AUTO": close the main window.
  virtual void closeRequested() {}
  virtual void focusRequested(InputFocus /*control*/) {}
};
