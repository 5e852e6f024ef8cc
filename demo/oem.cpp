#include "oem.h"

#include <cstring>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <iconv.h>
#include <strings.h>
#include <cerrno>
#include <cstdint>
#include <initializer_list>
#endif

char snOemBuff[kRAZMER_OEM];

namespace {

/// The character after the one at `p` in a UTF-8 text; never passes the NUL.
const char* nextChar(const char* p) {
    ++p;
    while ((static_cast<unsigned char>(*p) & 0xC0u) == 0x80u) ++p;
    return p;
}

}  // namespace

#ifdef _WIN32

// Windows keeps the console in its OEM code page: the texts go UTF-8 -> 1251 -> OEM, the way
// CharToOemA expects them. CharToOemA takes no size, so at most 127 characters go at a time:
// even as surrogate pairs they stay below the 256 bytes of the buffers.
char* toOem(const char* src, char* dst, const char** rest) {
    constexpr int kPiece = 127;
    const char* end = src;
    for (int n = 0; n < kPiece && *end != '\0'; ++n) end = nextChar(end);

    wchar_t wide[kRAZMER_OEM];
    const int units = MultiByteToWideChar(CP_UTF8, 0, src, static_cast<int>(end - src), wide,
                                          static_cast<int>(kRAZMER_OEM));
    char ansi[kRAZMER_OEM];
    const int bytes = WideCharToMultiByte(1251, 0, wide, units, ansi,
                                          static_cast<int>(kRAZMER_OEM) - 1, nullptr, nullptr);
    ansi[bytes > 0 ? bytes : 0] = '\0';
    CharToOemA(ansi, dst);
    if (rest != nullptr) *rest = end;
    return dst;
}

#else

namespace {

iconv_t gConverter;
bool gConverting = false;  // false: the console takes UTF-8 as it stands

/// Copies whole characters of `src` while they fit; the pass-through for UTF-8 consoles.
char* copyUtf8(const char* src, char* dst, const char** rest) {
    const char* end = src;
    while (*end != '\0') {
        const char* next = nextChar(end);
        if (static_cast<std::size_t>(next - src) >= kRAZMER_OEM) break;
        end = next;
    }
    const auto n = static_cast<std::size_t>(end - src);
    std::memcpy(dst, src, n);
    dst[n] = '\0';
    if (rest != nullptr) *rest = end;
    return dst;
}

}  // namespace

void setOemCharset(const char* charset) {
    if (gConverting) iconv_close(gConverter);
    gConverting = false;
    if (charset == nullptr) return;
    // An ASCII locale has no Cyrillic letters at all; UTF-8 shows them better than '?' would.
    for (const char* ascii : {"ANSI_X3.4-1968", "ASCII", "US-ASCII", "UTF-8", "UTF8"})
        if (strcasecmp(charset, ascii) == 0) return;
    gConverter = iconv_open(charset, "UTF-8");
    // iconv_open reports failure as the handle (iconv_t)-1, so the cast is the interface's own.
    gConverting = gConverter != reinterpret_cast<iconv_t>(  // NOLINT(performance-no-int-to-ptr)
                                    static_cast<std::intptr_t>(-1));
}

char* toOem(const char* src, char* dst, const char** rest) {
    if (!gConverting) return copyUtf8(src, dst, rest);

    iconv(gConverter, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(src);
    std::size_t inLeft = std::strlen(src);
    char* out = dst;
    std::size_t outLeft = kRAZMER_OEM - 1;
    while (inLeft > 0 &&
           iconv(gConverter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        // E2BIG: the rest goes in the next piece. Otherwise the charset lacks the letter.
        if (errno == E2BIG || outLeft == 0) break;
        *out++ = '?';
        --outLeft;
        const char* next = nextChar(in);
        inLeft -= static_cast<std::size_t>(next - in);
        in = const_cast<char*>(next);
    }
    *out = '\0';
    if (rest != nullptr) *rest = in;
    return dst;
}

#endif
