#pragma once

#include <QDate>
#include <QString>

namespace appserver {

class Connection;

struct SeedOptions
{
    int stockCount = 3000;
    // Documents and orders are dated back from this day.
    QDate today = QDate::currentDate();
};

// Fills an empty database with the demo distributor. The same options give the same data.
void seedDemoData(Connection &db, const SeedOptions &options);

// Demo users (names and passwords are upper case, as the login compares them).
namespace demo {
inline constexpr const char *Dealer = "BAYI";
inline constexpr const char *DealerNoCampaign = "BAYI2";
inline constexpr const char *Sales = "PLASIYER";
inline constexpr const char *SalesWithPrices = "MUDUR";
inline constexpr const char *Inactive = "PASIF";
inline constexpr const char *Password = "1234";
inline constexpr int DealerAccount = 101;
inline constexpr int DealerNoCampaignAccount = 102;
} // namespace demo

} // namespace appserver
