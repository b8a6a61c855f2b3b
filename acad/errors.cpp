#include "acad/errors.h"

#include <cstdio>

namespace acad {

namespace {

const char* codeText(uint32_t code)
{
    switch (code) {
    case kErrBadIndex: return "Invalid index";
    case kErrNotImplemented: return "Not implemented";
    default: return nullptr;
    }
}

} // namespace

std::string oleErrorMessage(const std::string& description, uint32_t code)
{
    std::string text = description;
    while (!text.empty()) {
        const unsigned char last = static_cast<unsigned char>(text.back());
        if (last <= ' ' || last == '.')
            text.pop_back();
        else
            break;
    }
    if (!text.empty())
        return text;
    if (const char* known = codeText(code))
        return known;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8X", code);
    return buffer;
}

EOleException::EOleException(const std::string& description, uint32_t code)
    : Exception(oleErrorMessage(description, code)), code_(code)
{
}

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

namespace {

const char* inOutText(EInOutError::Code code)
{
    switch (code) {
    case EInOutError::FileNotFound: return "File not found";
    case EInOutError::AccessDenied: return "File access denied";
    case EInOutError::DiskFull: return "Disk full";
    case EInOutError::InvalidNumericInput: return "Invalid numeric input";
    }
    return "File access denied";
}

} // namespace

EInOutError::EInOutError(Code code) : Exception(std::string(inOutText(code))), code_(code) {}

} // namespace acad
