#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <utility>

#include "platform/utf8_text.h"

namespace coinest {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// One converter per direction and thread: iconv_open is costly and an iconv_t must not be shared
// between threads.
class CachedConverter {
 public:
  CachedConverter(const char* to, const char* from) : to_(to), from_(from) {}
  ~CachedConverter() {
    if (cd_ != kNoConverter) iconv_close(cd_);
  }
  CachedConverter(const CachedConverter&) = delete;
  CachedConverter& operator=(const CachedConverter&) = delete;

  iconv_t get() {
    if (cd_ == kNoConverter) cd_ = iconv_open(to_, from_);
    return cd_;
  }

 private:
  const char* to_;
  const char* from_;
  iconv_t cd_ = kNoConverter;
};

CodePageResult failed(CodePageError error, std::size_t offset) {
  CodePageResult result;
  result.error = error;
  result.errorOffset = offset;
  return result;
}

// Runs `cd` over the whole input. `illegalMeans` is what EILSEQ stands for in this direction.
CodePageResult convert(iconv_t cd, std::string_view input, CodePageError illegalMeans) {
  if (cd == kNoConverter) return failed(CodePageError::ConverterUnavailable, 0);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start, whatever the last call left

  std::string out(input.size() + 16, '\0');
  std::size_t used = 0;
  // glibc's iconv takes char** for the input but does not write through it.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  bool flushing = false;
  while (true) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    const std::size_t rc = flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                    : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    used = static_cast<std::size_t>(outPtr - out.data());
    if (rc != static_cast<std::size_t>(-1)) {
      if (flushing) break;
      flushing = true;  // all input taken; let a stateful converter write its closing bytes
      continue;
    }
    if (error == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    const std::size_t offset = static_cast<std::size_t>(in - input.data());
    if (error == EILSEQ && !flushing) return failed(illegalMeans, offset);
    return failed(CodePageError::InvalidInput, offset);  // EINVAL: cut off at the end
  }
  out.resize(used);
  CodePageResult result;
  result.bytes = std::move(out);
  return result;
}

}  // namespace

CodePageResult utf8ToCp949(std::string_view utf8) {
  // iconv reports malformed input and unmappable characters alike (EILSEQ); checking the UTF-8
  // first tells them apart.
  if (const std::size_t bad = firstInvalidUtf8(utf8); bad != std::string_view::npos) {
    return failed(CodePageError::InvalidInput, bad);
  }
  thread_local CachedConverter converter("CP949", "UTF-8");
  return convert(converter.get(), utf8, CodePageError::Unmappable);
}

CodePageResult cp949ToUtf8(std::string_view cp949) {
  thread_local CachedConverter converter("UTF-8", "CP949");
  return convert(converter.get(), cp949, CodePageError::InvalidInput);
}

bool canEncodeInCp949(std::string_view utf8) { return utf8ToCp949(utf8).ok(); }

}  // namespace coinest
