#pragma once

namespace appserver {

class Connection;

// Creates every table and index of an empty database.
void createSchema(Connection &db);
// The search index, for a database made before it existed; built from the stock table.
void addSearchIndex(Connection &db);

} // namespace appserver
