#pragma once

#include "tests/support/scriptedserver.h"

#include <QString>

// What can go wrong with one answer of the server. Refused is no answer at all (the test stops the
// server listening); the others change the real server's answer on its way to the client.
enum class Fault {
    Refused,
    Slow,          // never answers: the client's read time-out ends the call
    Dropped,       // the connection closes after half of the announced body
    Malformed,     // not JSON
    WrongType,     // the first value of the result has the wrong JSON type
    UnknownClass,  // a marshalled object of a class nobody registered
    MissingColumn, // a column is declared but its values are missing
    ShortStream,   // one byte fewer than the announced size
    LongStream,    // one byte more than the announced size
};

QString faultName(Fault fault);

// Changes a forwarded answer; false when the answer has nothing this fault could change (a table
// fault on a scalar answer, a wrong type in an empty table), so a test never passes unhurt.
bool injectFault(Fault fault, ScriptedServer::Answer &answer);
