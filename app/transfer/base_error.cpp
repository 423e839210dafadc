#include "app/transfer/base_error.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

BaseErrorInfo FileError(int genCode, int subCode, std::string description, std::string fileName, int osCode) {
    BaseErrorInfo info;
    info.genCode = genCode;
    info.subCode = subCode;
    info.description = std::move(description);
    info.fileName = std::move(fileName);
    info.osCode = osCode;
    return info;
}

ErrorAnswer RaiseBaseError(const BaseErrorInfo& info, std::source_location where) {
    Error e;
    e.Severity = 2;
    e.GenCode = info.genCode;
    e.SubSystem = "BASE";
    e.SubCode = info.subCode;
    e.OsCode = info.osCode;
    e.Description = info.description;
    e.FileName = info.fileName;
    e.Operation = info.operation;
    e.Args = info.args;
    e.CanRetry = info.canRetry;
    e.CanDefault = true;
    return RaiseError(e, where);
}

}  // namespace pixa::transfer
