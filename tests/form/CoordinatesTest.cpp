#include "form/Coordinates.h"

#include <gtest/gtest.h>

#include <string>

namespace varelio {
namespace {

TEST(ToDegreesMinutes, RoundsToTheNearestMinuteWithTheSign) {
    struct Case { double angle; DegreesMinutes expected; };
    const Case cases[] = {
        {19.07283, {19, 4, false}},   {72.88261, {72, 53, false}},  {-74.00597, {74, 0, true}},
        {-34.92866, {34, 56, true}},  {10.99999, {11, 0, false}},   {-0.004, {0, 0, false}},
        {0.0084, {0, 1, false}},      {180.0, {180, 0, false}},     {-179.99, {179, 59, true}},
    };
    for (const Case& c : cases) {
        const DegreesMinutes a = ToDegreesMinutes(c.angle);
        EXPECT_TRUE(a.degrees == c.expected.degrees && a.minutes == c.expected.minutes &&
                    a.negative == c.expected.negative)
            << c.angle << "°: expected " << c.expected.degrees << "° " << c.expected.minutes << "′ "
            << (c.expected.negative ? "negative" : "positive") << ", got " << a.degrees << "° " << a.minutes << "′ "
            << (a.negative ? "negative" : "positive");
    }
}

TEST(SetLatitudeAndLongitude, FillTheTextsAndDirections) {
    FormValues form;
    form.latDirection = -1;
    form.lonDirection = -1;
    SetLatitude(form, -23.5475);
    SetLongitude(form, -46.63611);
    EXPECT_EQ(form.latDeg + " " + form.latMin + " " + std::to_string(form.latDirection), "23 33 1");
    EXPECT_EQ(form.lonDeg + " " + form.lonMin + " " + std::to_string(form.lonDirection), "46 38 1");
    SetLatitude(form, 51.50853);
    SetLongitude(form, 0.2);
    EXPECT_EQ(form.latDeg + " " + form.latMin + " " + std::to_string(form.latDirection), "51 31 0");
    EXPECT_EQ(form.lonDeg + " " + form.lonMin + " " + std::to_string(form.lonDirection), "0 12 0");
}

}  // namespace
}  // namespace varelio
