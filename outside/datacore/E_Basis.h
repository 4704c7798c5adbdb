#pragma once

#include <exception>
#include <string>

// Base of the exceptions of the data objects and the device model: a code, the message,
// the text of the object or operation concerned, where it was raised and the class name.
class E_Basis : public std::exception {
public:
    E_Basis(int code, std::string message, std::string context, std::string sourceFile, int line,
            std::string className);

    const char* what() const noexcept override { return Message.c_str(); }

    int Code = 0;
    std::string Message;
    std::string Context;
    std::string SourceFile;
    int Line = 0;
    std::string ClassName;
};
