#pragma once
// Run-time errors that the file services raise under the subsystem "BASE".
#include <source_location>
#include <string>

#include "runtime/error.h"
#include "runtime/value.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Generic error classes used by the file services.
enum BaseGenCode : int { kGenCreate = 20, kGenOpen = 21, kGenRead = 23, kGenWrite = 24 };

// What one raised file error carries.
struct BaseErrorInfo {
    int genCode = 0;          // generic class (open, create, read, write)
    int subCode = 0;          // BASE sub-code (2012 open/create, 2016 read/write, 2018 free space)
    std::string description;  // short description
    std::string fileName;     // the file concerned
    int osCode = 0;           // platform error number
    bool canRetry = true;     // the operation can be repeated
    std::string operation;    // operation name, may be empty
    Value args;               // operands of the failed operation, or absent
};

// A retryable file error of the given class about one file.
BaseErrorInfo FileError(int genCode, int subCode, std::string description, std::string fileName, int osCode);

// Raises the error to the process-wide handler and returns its answer.
ErrorAnswer RaiseBaseError(const BaseErrorInfo& info, std::source_location where = std::source_location::current());

}  // namespace pixa::transfer
