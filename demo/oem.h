// The console text layer: every constant Russian text of the program is kept
// in UTF-8 and converted into the console's own charset just before it is
// written, one text at a time, through the one buffer snOemBuff.
#ifndef ZELMAR_FLAGROW_DEMO_OEM_H
#define ZELMAR_FLAGROW_DEMO_OEM_H

#include <cstddef>

/// Capacity of the conversion buffer, its NUL included.
inline constexpr std::size_t kRAZMER_OEM = 256;

/// The destination of every conversion; holds one converted text at a time.
extern char snOemBuff[kRAZMER_OEM];

/// Converts as much of the UTF-8 text `src` as fits into `dst` (kRAZMER_OEM bytes, NUL-ended)
/// and returns `dst`; `rest`, when given, receives the part not yet converted ("" when none).
char* toOem(const char* src, char* dst, const char** rest = nullptr);

#ifndef _WIN32
/// Makes `charset` (an iconv name, as nl_langinfo(CODESET) gives it) the console's charset;
/// plain ASCII, UTF-8 and unknown names write UTF-8 unchanged.
void setOemCharset(const char* charset);
#endif

#endif  // ZELMAR_FLAGROW_DEMO_OEM_H
