#include "util/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// iconv descriptors are costly to open; one per direction is kept for the program's life.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  CodecResult convert(std::string_view in) {
    CodecResult result;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    result.text.resize(in.size() * 2 + 16);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    std::size_t produced = 0;
    while (inLeft > 0) {
      char* outPtr = result.text.data() + produced;
      std::size_t outLeft = result.text.size() - produced;
      std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      produced = result.text.size() - outLeft;
      if (rc != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        result.text.resize(result.text.size() * 2);
        continue;
      }
      // EILSEQ or EINVAL (truncated sequence at the end): report where it happened.
      result.ok = false;
      result.badOffset = in.size() - inLeft;
      break;
    }
    result.text.resize(produced);
    return result;
  }

 private:
  iconv_t cd_;
};

Converter& ToCp932() {
  static Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& ToUtf8() {
  static Converter converter("UTF-8", "CP932");
  return converter;
}

}  // namespace

CodecResult Cp932FromUtf8(std::string_view utf8) { return ToCp932().convert(utf8); }

CodecResult Utf8FromCp932(std::string_view cp932) { return ToUtf8().convert(cp932); }

std::string Utf8FromCp932Lossy(std::string_view cp932) {
  std::string out;
  while (!cp932.empty()) {
    CodecResult part = Utf8FromCp932(cp932);
    out += part.text;
    if (part.ok) break;
    out += "\xEF\xBF\xBD";
    cp932.remove_prefix(part.badOffset + 1);
  }
  return out;
}

std::string Sjis(std::string_view utf8) {
  CodecResult result = Cp932FromUtf8(utf8);
  if (!result.ok) {
    throw std::invalid_argument("text has no code page 932 form: " + std::string(utf8));
  }
  return std::move(result.text);
}
