#pragma once
// Encoding names as they appear in declarations, and the code pages they
// stand for.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ledra::xml {

inline constexpr int kCodePageAnsi = 1252;
inline constexpr int kCodePageUtf16Le = 1200;
inline constexpr int kCodePageUtf16Be = 1201;
inline constexpr int kCodePageUtf8 = 65001;
// Not a platform code page: UTF-32, converted by the engine itself.
inline constexpr int kCodePageUtf32 = 65005;

// The code page of an encoding name (ASCII letters compared without case).
// An empty name is the ANSI code page; a name beginning with "UTF-32" gives
// kCodePageUtf32; unknown names and names of 100 characters or more give
// nothing.
std::optional<int> CodePageForName(std::string_view name);

// The name the platform conversion knows a code page by; empty when it
// cannot convert it.
std::string PlatformNameForCodePage(int code_page);

std::size_t EncodingNameCount();

}  // namespace ledra::xml
