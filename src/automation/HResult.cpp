#include "HResult.h"

#include <cstdio>

namespace automation {

std::string systemMessage(HResult code)
{
    switch (code) {
    case E_NotImpl: return "Not implemented";
    case E_Fail: return "Unspecified error";
    case E_OutOfMemory: return "Not enough memory resources are available to complete this operation";
    case E_InvalidArg: return "The parameter is incorrect";
    case E_Unexpected: return "Catastrophic failure";
    case Disp_E_UnknownInterface: return "Unknown interface";
    case Disp_E_MemberNotFound: return "Member not found";
    case Disp_E_ParamNotFound: return "Parameter not found";
    case Disp_E_TypeMismatch: return "Type mismatch";
    case Disp_E_UnknownName: return "Unknown name";
    case Disp_E_Exception: return "Exception occurred";
    case Disp_E_Overflow: return "Out of present range";
    case Disp_E_BadIndex: return "Invalid index";
    case Disp_E_BadParamCount: return "Invalid number of parameters";
    case Co_E_NotInitialized: return "CoInitialize has not been called";
    case Co_E_ClassString: return "Invalid class string";
    case Regdb_E_ClassNotReg: return "Class not registered";
    case Co_E_DllNotFound: return "DLL for class not found";
    case Co_E_ErrorInDll: return "Error in the DLL";
    default: return {};
    }
}

std::string errorText(HResult code)
{
    std::string text = systemMessage(code);
    if (!text.empty())
        return text;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8x", static_cast<unsigned>(code));
    return buffer;
}

} // namespace automation
