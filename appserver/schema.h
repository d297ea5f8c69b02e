#pragma once

namespace appserver {

class Connection;

// Creates every table and index of an empty database.
void createSchema(Connection &db);

} // namespace appserver
