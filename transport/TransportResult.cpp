#include "transport/TransportResult.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <system_error>

TransportResult Failure(Outcome outcome, std::string reason)
{
    TransportResult result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

TransportResult SystemFailure(Outcome outcome, std::string reason, int error)
{
    TransportResult result = Failure(outcome, std::move(reason));
    result.systemError = error;
    return result;
}

std::string SystemErrorText(int error)
{
    // TRANSLATORS: the C library's words for an error, and its number.
    return Formatted(Translated("%1$s (error %2$s)"),
        {std::generic_category().message(error), std::to_string(error)});
}

TransportResult KeptThere(std::string_view file)
{
    return Failure(
        Outcome::NotReplaced, Formatted(Translated("%s was kept: nothing was written."), {file}));
}
