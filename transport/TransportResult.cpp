#include "transport/TransportResult.h"

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
    return std::generic_category().message(error) + " (error " + std::to_string(error) + ")";
}
