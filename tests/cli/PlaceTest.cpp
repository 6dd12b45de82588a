// --place: the GeoNames city (libgeonames0) and its zone at the birth.
#include "cli/Companion.h"

#include "CliSupport.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace varelio::cli {
namespace {

using testing::ParseJson;
using testing::RunWithPlaces;
using testing::Show;

QStringList BornAt(const char* place, int day, int month, int year, int hour) {
    return {"varelio-cli", "--name",  "Test",       "--day",  QString::number(day), "--month", QString::number(month),
            "--year",      QString::number(year), "--hour", QString::number(hour), "--place", QString::fromUtf8(place)};
}

const QStringList kPlaceKeys = [] {
    QStringList keys = {"city", "state", "country", "latitude", "longitude", "zone",
                        "offsetMinutes", "zoneRow", "dst", "note", "warning"};
    keys.sort();
    return keys;
}();

TEST(CompanionPlace, FillsTheBirthAndReportsThePlace) {
    struct Case {
        QStringList args;
        const char* city;
        int latDegrees, latMinutes;
        bool south;
        int lonDegrees, lonMinutes;
        bool east;
        const char* zone;
        int zoneRow;
        bool dst;
        int offsetMinutes;
        double universalTime;  // hours
    };
    const Case cases[] = {
        {BornAt("Mumbai", 1, 1, 2000, 12), "Mumbai", 19, 4, false, 72, 53, true, "Asia/Kolkata", 34, false, 330, 6.5},
        {BornAt("New York", 4, 7, 1990, 12), "New York", 40, 43, false, 74, 0, false, "America/New_York", 27, true,
         -240, 16.0},
        {BornAt("Adelaide", 1, 1, 2010, 12), "Adelaide", 34, 56, true, 138, 36, true, "Australia/Adelaide", 6, true,
         630, 1.5},
        {BornAt("sao paulo", 1, 1, 2000, 12), "São Paulo", 23, 33, true, 46, 38, false, "America/Sao_Paulo", 14, true,
         -120, 14.0},
    };
    for (const Case& c : cases) {
        const std::string what = Show(c.args).toStdString();
        const CompanionRun run = RunWithPlaces(c.args);
        ASSERT_EQ(run.exitCode, 0) << what << ": " << run.err;
        EXPECT_EQ(run.err, "") << what;
        const QJsonObject json = ParseJson(run.out);
        const QJsonObject birth = json["birthData"].toObject();
        const QJsonObject place = json["place"].toObject();
        const std::pair<QJsonValue, QJsonValue> checks[] = {
            {birth["city"], QString::fromUtf8(c.city)},  {birth["latDegrees"], c.latDegrees},
            {birth["latMinutes"], c.latMinutes},         {birth["south"], c.south},
            {birth["lonDegrees"], c.lonDegrees},         {birth["lonMinutes"], c.lonMinutes},
            {birth["east"], c.east},                     {birth["dst"], c.dst},
            {place["city"], QString::fromUtf8(c.city)},  {place["zone"], c.zone},
            {place["zoneRow"], c.zoneRow},               {place["dst"], c.dst},
            {place["offsetMinutes"], c.offsetMinutes},   {place["warning"], false},
            {json["universalTime"], c.universalTime},
        };
        for (std::size_t i = 0; i < std::size(checks); ++i) {
            EXPECT_EQ(checks[i].first, checks[i].second)
                << what << ": check " << i << " expected " << checks[i].second.toVariant().toString().toStdString()
                << ", got " << checks[i].first.toVariant().toString().toStdString();
        }
        EXPECT_TRUE(place["note"].toString().startsWith(QString::fromUtf8(c.zone) + " on ")) << what;
        EXPECT_EQ(place.keys(), kPlaceKeys) << what;
    }
}

TEST(CompanionPlace, OptionsGivenExplicitlyWin) {
    struct Case { QStringList args; const char* key; QJsonValue expected; };
    const Case cases[] = {
        {BornAt("Mumbai", 1, 1, 2000, 12) << "--city" << "Bombay", "city", "Bombay"},
        {BornAt("Mumbai", 1, 1, 2000, 12) << "--lat-deg" << "18", "latDegrees", 18},
        {BornAt("Mumbai", 1, 1, 2000, 12) << "--west", "east", false},
        {BornAt("Mumbai", 1, 1, 2000, 12) << "--zone" << "61", "zoneHours", 0},
        {BornAt("Mumbai", 1, 1, 2000, 12) << "--dst", "dst", true},
        {BornAt("London, England", 1, 7, 1990, 12) << "--zone" << "16", "dst", false},  // BST row, no DST hour
        {BornAt("London, England", 1, 7, 1990, 12) << "--zone" << "16" << "--dst", "dst", true},
    };
    for (const Case& c : cases) {
        const CompanionRun run = RunWithPlaces(c.args);
        ASSERT_EQ(run.exitCode, 0) << Show(c.args).toStdString() << ": " << run.err;
        const QJsonObject json = ParseJson(run.out);
        EXPECT_EQ(json["birthData"][QLatin1String(c.key)], c.expected) << Show(c.args).toStdString();
        EXPECT_EQ(json["place"]["zone"].toString().isEmpty(), false) << Show(c.args).toStdString();
    }
}

TEST(CompanionPlace, AmbiguousOrUnknownPlacesCalculateNothing) {
    struct Case { QStringList args; std::string err; };
    const Case cases[] = {
        {BornAt("London", 1, 1, 2000, 12),
         "varelio-cli: 'London' names several places; give one of them whole:\n  London, England, United Kingdom\n"
         "  London, Ontario, Canada\n"},
        {BornAt("Xyzzyville", 1, 1, 2000, 12), "varelio-cli: no place is named 'Xyzzyville'\n"},
        {BornAt("Mumba", 1, 1, 2000, 12),
         "varelio-cli: no place is named 'Mumba'; places starting so:\n  Mumbai, Maharashtra, India\n"},
        {BornAt("Lon\033]0;x\007don", 1, 1, 2000, 12), "varelio-cli: no place is named 'Lon\\x1b]0;x\\x07don'\n"},
        {BornAt("", 1, 1, 2000, 12), "varelio-cli: no place is named ''\n"},
    };
    for (const Case& c : cases) {
        const CompanionRun run = RunWithPlaces(c.args);
        EXPECT_EQ(run.exitCode, kExitRefused) << Show(c.args).toStdString();
        EXPECT_EQ(run.err, c.err) << Show(c.args).toStdString();
        EXPECT_EQ(run.out, "") << Show(c.args).toStdString();
    }
}

// An offset no row gives is taken exactly; only a row standing in for it,
// as --zone makes one, is worth a warning, on standard error too.
TEST(CompanionPlace, AnOffsetNoRowGivesIsTakenExactly) {
    const CompanionRun run = RunWithPlaces(BornAt("Kathmandu", 26, 10, 1995, 1) << "--minute" << "30");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonObject json = ParseJson(run.out);
    EXPECT_EQ(json["birthData"]["utcOffsetSeconds"], 20700);
    EXPECT_EQ(json["place"]["warning"], false);
    EXPECT_EQ(json["place"]["zoneRow"], 34);

    for (const char* format : {"json", "text"}) {
        const CompanionRun rowed =
            RunWithPlaces(BornAt("Kathmandu", 1, 1, 2000, 12) << "--zone" << "34" << "--format" << format);
        ASSERT_EQ(rowed.exitCode, 0) << format << ": " << rowed.err;
        EXPECT_EQ(rowed.err,
                  "varelio-cli: Asia/Kathmandu on 1 January 2000: UTC+5:45 → nearest row Indian Time, IST, +5.3, "
                  "15 minutes off: the ascendant may be about 4° off\n")
            << format;
    }
    const QJsonObject rowed = ParseJson(RunWithPlaces(BornAt("Kathmandu", 1, 1, 2000, 12) << "--zone" << "34").out);
    EXPECT_EQ(rowed["place"]["warning"], true);
    EXPECT_TRUE(rowed["birthData"]["utcOffsetSeconds"].isNull());
    const QJsonObject bombay = ParseJson(RunWithPlaces(BornAt("Mumbai", 1, 6, 1950, 10)).out);
    EXPECT_EQ(bombay["birthData"]["utcOffsetSeconds"], 17460);
}

// "offsetUsed" is the offset the reading took and why: the zone's row, an
// offset no row gives, a city's old clock or local mean time, or an option
// that overrides the place's; "place.offsetMinutes" stays the tz database's.
TEST(CompanionPlace, TheOffsetUsedSaysHowItWasChosen) {
    struct Case {
        QStringList args;
        const char* chosenBy;
        int seconds;
        int zoneOffsetMinutes;
    };
    const Case cases[] = {
        {BornAt("Mumbai", 1, 1, 2000, 12), "row", 19800, 330},
        {BornAt("Kathmandu", 26, 10, 1995, 1), "exact", 20700, 345},
        {BornAt("Mumbai", 1, 6, 1950, 10), "cityClock", 17460, 330},
        {BornAt("Kolkata", 1, 6, 1930, 10), "cityClock", 21200, 330},
        {BornAt("Kathmandu", 1, 1, 1901, 10), "localMeanTime", 20477, 341},
        {BornAt("Mumbai", 1, 6, 1950, 10) << "--utc-offset" << "+05:00", "exact", 18000, 330},
        {BornAt("Mumbai", 1, 6, 1950, 10) << "--zone" << "34", "row", 19800, 330},
    };
    for (const Case& c : cases) {
        const CompanionRun run = RunWithPlaces(c.args);
        ASSERT_EQ(run.exitCode, 0) << Show(c.args).toStdString() << ": " << run.err;
        const QJsonObject json = ParseJson(run.out);
        EXPECT_EQ(json["offsetUsed"].toObject(), (QJsonObject{{"chosenBy", c.chosenBy}, {"seconds", c.seconds}}))
            << Show(c.args).toStdString();
        EXPECT_EQ(json["place"]["offsetMinutes"], c.zoneOffsetMinutes) << Show(c.args).toStdString();
    }
}

// Text that was not UTF-8 finds no place; it is refused as the number options
// refuse it, and a character no name holds names nothing.
TEST(CompanionPlace, TextThatIsNotUtf8IsRefused) {
    const QString broken = ArgumentFromBytes("Mumb\xff\xfe" "ai");
    const CompanionRun run = RunWithPlaces(BornAt("x", 1, 1, 2000, 12).replaceInStrings("x", broken));
    EXPECT_EQ(run.exitCode, kExitRefused);
    EXPECT_TRUE(run.err.starts_with("varelio-cli: --place takes UTF-8 text, not 'Mumb")) << run.err;
    EXPECT_EQ(run.out, "");
    const CompanionRun smiley = RunWithPlaces(BornAt("Mumbai😀", 1, 1, 2000, 12));
    EXPECT_EQ(smiley.exitCode, kExitRefused);
    EXPECT_TRUE(smiley.err.starts_with("varelio-cli: no place is named 'Mumbai😀'")) << smiley.err;
}

TEST(CompanionPlace, AnImpossibleDateGetsTheFormsMessage) {
    const CompanionRun run = RunWithPlaces(BornAt("Mumbai", 31, 4, 2000, 12));
    EXPECT_EQ(run.exitCode, kExitRefused);
    EXPECT_EQ(run.err, "Please Enter Correct Date Or Month !\n");
}

}  // namespace
}  // namespace varelio::cli
