#include "protocol/MarkerDecision.h"

namespace {

MarkerVerdict JudgeName(const MarkerAttempt& attempt)
{
    if (attempt.CreateError != ERROR_SUCCESS && attempt.OpenError != ERROR_SUCCESS)
        return MarkerVerdict::ForeignHolder;
    if (attempt.Wait == WAIT_OBJECT_0 || attempt.Wait == WAIT_ABANDONED)
        return MarkerVerdict::Manage;
    // A wait that failed on a handle this caller opened itself: nothing proves a copy holds
    // the marker, and nothing lets this one manage.
    return attempt.Wait == WAIT_TIMEOUT ? MarkerVerdict::Watch : MarkerVerdict::ForeignHolder;
}

}  // namespace

bool MarkerNameAbsent(const MarkerAttempt& attempt)
{
    return attempt.CreateError != ERROR_SUCCESS && attempt.OpenError == ERROR_FILE_NOT_FOUND;
}

MarkerVerdict DecideMarker(const MarkerAttempt& machine, const MarkerAttempt& session)
{
    if (!MarkerNameAbsent(machine))
        return JudgeName(machine);
    if (!MarkerNameAbsent(session))
        return JudgeName(session);
    // Neither name exists nor can be made: no copy can hold a marker, so none holds one.
    return MarkerVerdict::Manage;
}
