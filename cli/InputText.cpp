#include "cli/InputText.h"

#include "profile/RegularFile.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <cerrno>
#include <system_error>

namespace {

std::string TooLarge(std::size_t limit)
{
    return Formatted(
        TranslatedCount("more than %s byte", "more than %s bytes", limit), {std::to_string(limit)});
}

}  // namespace

InputText ReadInputText(const std::string& operand, std::istream& standardInput, std::size_t limit)
{
    if (operand != kStandardInput) {
        RegularFileRead file = ReadRegularFile(operand, limit);
        std::string error;
        if (file.error == EFBIG)
            error = TooLarge(limit);
        else if (file.error == EINVAL)
            error = Translated("Not a regular file");
        else if (file.error != 0)
            error = std::generic_category().message(file.error);
        return {std::move(file.bytes), operand, std::move(error)};
    }
    InputText input{{}, Translated("(standard input)"), {}};
    char buffer[65536];
    while (standardInput.read(buffer, sizeof buffer) || standardInput.gcount() > 0) {
        input.bytes.append(buffer, static_cast<std::size_t>(standardInput.gcount()));
        if (input.bytes.size() > limit) {
            input.error = TooLarge(limit);
            input.bytes.clear();
            break;
        }
    }
    if (standardInput.bad())
        input.error = Translated("cannot read standard input");
    return input;
}
