#pragma once

#include <cstdint>
#include <string>

namespace automation {

// Status codes of the automation layer. The values follow the usual
// automation numbering so that "OLE error %.8x" texts stay comparable.
using HResult = std::int32_t;

constexpr HResult hr(std::uint32_t code) { return static_cast<HResult>(code); }

inline constexpr HResult S_Ok = 0;
inline constexpr HResult E_NotImpl = hr(0x80004001);
inline constexpr HResult E_Fail = hr(0x80004005);
inline constexpr HResult E_OutOfMemory = hr(0x8007000E);
inline constexpr HResult E_InvalidArg = hr(0x80070057);
inline constexpr HResult E_Unexpected = hr(0x8000FFFF);
inline constexpr HResult Disp_E_UnknownInterface = hr(0x80020001);
inline constexpr HResult Disp_E_MemberNotFound = hr(0x80020003);
inline constexpr HResult Disp_E_ParamNotFound = hr(0x80020004);
inline constexpr HResult Disp_E_TypeMismatch = hr(0x80020005);
inline constexpr HResult Disp_E_UnknownName = hr(0x80020006);
inline constexpr HResult Disp_E_Exception = hr(0x80020009);
inline constexpr HResult Disp_E_Overflow = hr(0x8002000A);
inline constexpr HResult Disp_E_BadIndex = hr(0x8002000B);
inline constexpr HResult Disp_E_BadParamCount = hr(0x8002000E);
inline constexpr HResult Co_E_NotInitialized = hr(0x800401F0);
inline constexpr HResult Co_E_ClassString = hr(0x800401F3);
inline constexpr HResult Regdb_E_ClassNotReg = hr(0x80040154);
inline constexpr HResult Co_E_DllNotFound = hr(0x800401F8);
inline constexpr HResult Co_E_ErrorInDll = hr(0x800401F9);

constexpr bool failed(HResult code) { return code < 0; }

// The system's text for a status code, without a trailing period, or an
// empty string when the system has none for it.
std::string systemMessage(HResult code);

// systemMessage(code), or "OLE error %.8x" when the system has no text.
std::string errorText(HResult code);

} // namespace automation
