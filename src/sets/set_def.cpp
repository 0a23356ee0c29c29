#include "sets/set_def.h"

#include "jvlink/data_kind_catalogue.h"
#include "util/comma_text.h"
#include "util/cp932.h"
#include "util/file_io.h"
#include "util/host.h"
#include "util/integer_text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr const char* kReadError = "SYSTEM-ERROR\r\n取得データ定義ファイル読込エラー";
constexpr const char* kWriteError = "SYSTEM-ERROR\r\n取得データ定義ファイル書込失敗";
constexpr const char* kHeader = "[ Set Definition ]";
constexpr int kHighestSetNo = 256;  // a higher "SetNo" is broken at once; 14..256 only when used
constexpr std::size_t kSetDefFields = 17;  // number, code, target, option, thirteen slots

std::string KindCode(int dataKind) {
  std::string code;
  DataSpecLabel(dataKind, 1, code);
  return code;
}

// The value of a "SetDef" line, checked whole before anything is stored.
struct SetDefLine {
  int dataKind = 0;
  bool taisho = false;
  std::uint8_t option = 0;
  std::array<std::string, kRecordSlots> slots;
};

std::optional<SetDefLine> ParseSetDefValue(std::string_view value) {
  std::vector<std::string> fields = SplitCommaText(value);
  if (fields.size() < kSetDefFields) fields.resize(kSetDefFields);
  std::optional<int> kind = ParseInteger(fields[0]);
  std::optional<int> option = ParseInteger(fields[3]);
  if (!kind || *kind < 1 || *kind > kSetDataKinds) return std::nullopt;
  if (!option || *option < 0 || *option > 255) return std::nullopt;

  SetDefLine line;
  line.dataKind = *kind;
  line.taisho = fields[2] == "1";
  line.option = static_cast<std::uint8_t>(*option);
  // Field 2 only limits the slots; the entry keeps the code of its own number.
  int slotCount = TSetDef::RecSpecCount(fields[1]);
  for (int i = 0; i < slotCount; ++i) {
    const std::string& id = fields[4 + static_cast<std::size_t>(i)];
    if (id.size() == 2) line.slots[static_cast<std::size_t>(i)] = id;
  }
  return line;
}

std::string SetDefText(int dataKind, const _BankSpec& bankSpec) {
  std::string text = "SetDef=" + std::to_string(dataKind) + "," + bankSpec.DataSpec + "," +
                     (bankSpec.Taisho ? "1" : "0") + "," + std::to_string(bankSpec.Option) + ",";
  for (const std::string& slot : bankSpec.RecSpec) text += slot + ",";
  return text + "/";
}

}  // namespace

_Bank EmptyBank() {
  _Bank bank;
  for (int k = 1; k <= kSetDataKinds; ++k) {
    bank.Specs[static_cast<std::size_t>(k - 1)].DataSpec = KindCode(k);
  }
  return bank;
}

TSetDef::TSetDef(Host& host, const std::string& appDir)
    : host_(host), path_(appDir + "/" + kSetDefFileName) {
  banks_.fill(EmptyBank());
}

int TSetDef::RecSpecCount(std::string_view code) {
  for (int k = 1; k <= kSetDataKinds; ++k) {
    if (code == KindCode(k)) return static_cast<int>(RecordSlotsOf(k).size());
  }
  return 0;
}

_Bank TSetDef::GetBank(int index) const { return banks_.at(static_cast<std::size_t>(index)); }

void TSetDef::SetBank(int index, const _Bank& bank) {
  banks_.at(static_cast<std::size_t>(index)) = bank;
}

bool TSetDef::ApplyLine(std::string_view key, std::string_view value, int& current) {
  if (key == "SetNo") {
    std::optional<int> number = ParseInteger(value);
    if (!number || *number < 1 || *number > kHighestSetNo) return false;
    current = *number;
    return true;
  }
  if (key != "SetTitle" && key != "SetDef") return true;  // a foreign line
  if (current < 1 || current > kSetCount) return false;
  _Bank& bank = banks_[static_cast<std::size_t>(current - 1)];
  if (key == "SetTitle") {
    CodecResult title = Utf8FromCp932(value);
    if (!title.ok) return false;
    bank.SetTitle = title.text;
    return true;
  }
  std::optional<SetDefLine> parsed = ParseSetDefValue(value);
  if (!parsed) return false;
  _BankSpec& bankSpec = bank.Specs[static_cast<std::size_t>(parsed->dataKind - 1)];
  bankSpec.Taisho = parsed->taisho;
  bankSpec.Option = parsed->option;
  bankSpec.RecSpec = parsed->slots;
  return true;
}

bool TSetDef::Load() {
  std::error_code error;
  if (fs::status(path_, error).type() == fs::file_type::not_found) return true;
  std::optional<std::vector<std::string>> lines = ReadTextLines(path_);
  if (!lines) {
    host_.error(std::string(kReadError) + "\r\n\r\n" + path_);
    return false;
  }

  int current = 0;  // set number of the last "SetNo"; 0 before the first
  for (std::size_t row = 0; row < lines->size(); ++row) {
    const std::string& line = (*lines)[row];
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string_view key(line.data(), equals);
    std::string_view value = std::string_view(line).substr(equals + 1);
    if (!ApplyLine(key, value, current)) {
      // The store will overwrite the file on its next save: keep the unread part somewhere.
      std::optional<std::string> kept = KeepUnreadCopy(path_);
      host_.error(std::string(kReadError) + "\r\n\r\n" + path_ + " : " + std::to_string(row + 1) +
                  "行目\r\n" + Utf8FromCp932Lossy(line) + UnreadCopyNote(kept));
      return false;
    }
  }
  return true;
}

bool TSetDef::Save() {
  std::vector<std::string> lines{kHeader};
  for (int n = 1; n <= kSetCount; ++n) {
    const _Bank& bank = banks_[static_cast<std::size_t>(n - 1)];
    CodecResult title = Cp932FromUtf8(bank.SetTitle);
    if (!title.ok || title.text.find_first_of("\r\n") != std::string::npos) {
      host_.error(std::string(kWriteError) + "\r\n\r\nSetNo=" + std::to_string(n) +
                  " : SetTitle=" + bank.SetTitle);
      return false;
    }
    lines.push_back("SetNo=" + std::to_string(n));
    lines.push_back("SetTitle=" + title.text);
    for (int k = 1; k <= kSetDataKinds; ++k) {
      lines.push_back(SetDefText(k, bank.Specs[static_cast<std::size_t>(k - 1)]));
    }
    lines.emplace_back();
  }
  if (!WriteFileAtomic(path_, JoinCrLf(lines))) {
    host_.error(std::string(kWriteError) + "\r\n\r\n" + path_ + " (" + std::strerror(errno) + ")");
    return false;
  }
  return true;
}

void InstallDefaultSetDef(const std::string& appDir, const std::string& suppliedDefault) {
  std::string target = appDir + "/" + kSetDefFileName;
  std::string local = appDir + "/" + kSetDefDefaultFileName;
  std::error_code error;
  if (fs::exists(target, error) || error) return;
  if (fs::exists(local, error)) {
    fs::rename(local, target, error);
  } else if (!suppliedDefault.empty() && fs::exists(suppliedDefault, error)) {
    fs::copy_file(suppliedDefault, target, error);
  }
}
