#include "exceptions/TErrorRecord.h"

#include "utils/VYRAExceptions.h"

#include <cxxabi.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <typeinfo>

namespace {

QString demangled(const char *name)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> readable(abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
    return QString::fromLatin1(status == 0 && readable ? readable.get() : name);
}

} // namespace

QString TErrorRecord::ClassNameOf(const std::exception &exception)
{
    return demangled(typeid(exception).name());
}

TErrorRecord TErrorRecord::FromException(const std::exception_ptr &exception, int code)
{
    TErrorRecord record;
    record.code = code;
    if (code != 0)
        record.systemMessage = QString::fromLocal8Bit(std::strerror(code));
    try {
        std::rethrow_exception(exception);
    } catch (const EVYRAException &error) {
        record.className = ClassNameOf(error);
        record.message = error.message();
    } catch (const std::exception &error) {
        record.className = ClassNameOf(error);
        record.message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        // Something thrown that is no exception class at all (an int, a string literal).
        const std::type_info *type = abi::__cxa_current_exception_type();
        record.className = type ? demangled(type->name()) : QStringLiteral("unbekannt");
        record.message = QStringLiteral("Ein Wert ohne Fehlermeldung wurde ausgelöst.");
    }
    return record;
}
