#pragma once

#include <QString>

// Addresses built into the program (CMake cache variables of the same names). Code takes them as
// parameters where tests need other values.
inline QString serverHost()
{
    return QStringLiteral(RAVLA_SERVER_HOST);
}
inline int serverPort()
{
    return RAVLA_SERVER_PORT;
}
// The distributor's web site and the maker's base address, each ending in "/".
inline QString webBase()
{
    return QStringLiteral(RAVLA_WEB_BASE);
}
inline QString makerBase()
{
    return QStringLiteral(RAVLA_MAKER_BASE);
}
