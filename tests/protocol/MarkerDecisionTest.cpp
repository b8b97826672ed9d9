// Who manages the card, from what the system answered to the attempts on the marker's names:
// the answers a shared PC may give, including those Wine cannot (a session that may not make
// global objects).
#include "protocol/MarkerDecision.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const char* Name(MarkerVerdict verdict)
{
    switch (verdict) {
    case MarkerVerdict::Manage:
        return "manage";
    case MarkerVerdict::Watch:
        return "watch";
    default:
        return "foreign holder";
    }
}

MarkerAttempt Made(DWORD wait)
{
    return {ERROR_SUCCESS, ERROR_SUCCESS, wait};
}

MarkerAttempt Opened(DWORD createError, DWORD wait)
{
    return {createError, ERROR_SUCCESS, wait};
}

MarkerAttempt Failed(DWORD createError, DWORD openError)
{
    return {createError, openError, WAIT_FAILED};
}

// The global namespace takes no new object and has none of the name.
const MarkerAttempt NoGlobalObjects = Failed(ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND);
// Not made: read only after an absent machine-wide name.
const MarkerAttempt NotTried = {};

TEST(MarkerDecision, OnlyAFreeOrAbandonedMarkerOrNoNameAnywhereLetsACopyManage)
{
    const struct {
        const char* Scene;
        MarkerAttempt Machine;
        MarkerAttempt Session;
        MarkerVerdict Expected;
    } rows[] = {
        {"no copy runs: made and free", Made(WAIT_OBJECT_0), NotTried, MarkerVerdict::Manage},
        {"a copy of this user holds it", Made(WAIT_TIMEOUT), NotTried, MarkerVerdict::Watch},
        {"left abandoned by a copy that crashed", Made(WAIT_ABANDONED), NotTried, MarkerVerdict::Manage},
        {"another user's copy made it and holds it", Opened(ERROR_ACCESS_DENIED, WAIT_TIMEOUT), NotTried,
         MarkerVerdict::Watch},
        {"a wait that failed proves nothing", Made(WAIT_FAILED), NotTried, MarkerVerdict::ForeignHolder},
        {"an object of another type has the name", Failed(ERROR_INVALID_HANDLE, ERROR_INVALID_HANDLE), NotTried,
         MarkerVerdict::ForeignHolder},
        {"a mutex that lets nobody wait on it", Failed(ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED), NotTried,
         MarkerVerdict::ForeignHolder},
        {"the session's name is not read beside a machine-wide one", Made(WAIT_TIMEOUT), Made(WAIT_OBJECT_0),
         MarkerVerdict::Watch},
        {"no global objects: alone, the session's marker free", NoGlobalObjects, Made(WAIT_OBJECT_0),
         MarkerVerdict::Manage},
        {"no global objects: a copy on another desktop of this session", NoGlobalObjects, Made(WAIT_TIMEOUT),
         MarkerVerdict::Watch},
        {"no global objects: something else has the session's name", NoGlobalObjects,
         Failed(ERROR_INVALID_HANDLE, ERROR_INVALID_HANDLE), MarkerVerdict::ForeignHolder},
        {"no name can be made anywhere, and none exists", NoGlobalObjects,
         Failed(ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND), MarkerVerdict::Manage},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Scene);
        EXPECT_STREQ(Name(row.Expected), Name(DecideMarker(row.Machine, row.Session)));
    }
}

}  // namespace
