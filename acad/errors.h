#pragma once
// Failures that end a drawing procedure. Every failure is an exception whose
// message is what the standard error box shows.
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace acad {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    explicit Exception(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// A text that is not a number.
class EConvertError : public Exception { using Exception::Exception; };

// Floating-point faults of a computation.
class EMathError : public Exception { using Exception::Exception; };
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError(std::string("Invalid floating point operation")) {}
};
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError(std::string("Floating point division by zero")) {}
};
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError(std::string("Floating point overflow")) {}
};

// A call that the drawing program refused.
class EOleException : public Exception {
public:
    EOleException(const std::string& description, uint32_t code);
    uint32_t code() const { return code_; }
private:
    uint32_t code_;
};

// An entity that is not of the interface it was asked for.
class EIntfCastError : public Exception {
public:
    EIntfCastError() : Exception(std::string("Interface not supported")) {}
};

// The connection used before it is bound to a document.
class EAssertionFailed : public Exception { using Exception::Exception; };

// The message of a refused call: the drawing program's description without its
// trailing blanks, control characters and full stops; without a description
// the text of the error code; without that, "OLE error XXXXXXXX".
std::string oleErrorMessage(const std::string& description, uint32_t code);

// The text of the standard error box for a failure's message: "." is appended
// when the last character's code is greater than that of "."; an empty
// message stays empty.
QString errorBoxText(const QString& message);

// Error codes the drawing layer reports with its refusals.
enum : uint32_t {
    kErrInvalidInput = 0x80020009u,
    kErrObjectErased = 0x80210064u,
    kErrModeling = 0x80210072u,
    kErrBadIndex = 0x8002000Bu,
    kErrNotImplemented = 0x80004001u,
};

// A failed operation on a file (the pose file): what failed, by the run
// time's input/output error code.
class EInOutError : public Exception {
public:
    enum Code : int { FileNotFound = 2, AccessDenied = 5, DiskFull = 101, InvalidNumericInput = 106 };
    explicit EInOutError(Code code);
    Code errorCode() const { return code_; }

private:
    Code code_;
};

} // namespace acad
