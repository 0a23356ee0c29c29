#pragma once
// Names of the per-record files a request writes.

#include "jvlink/jvlink_para.h"

#include <string>
#include <string_view>

// Path of the per-record file for records of type `recordId` in `request`; `realtime` tells a
// JVRTOpen request from a JVOpen one.
std::string RecordFileName(const JVLINK_PARA& request, bool realtime, std::string_view recordId);
