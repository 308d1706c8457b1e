#include <gtest/gtest.h>

#include "ed50.h"

namespace {

TEST(Ed50ToWgs84, AtTheReferencePointTheShiftsAreTheConstantTerms)
{
    geo_position wgs84{};
    ed50_to_wgs84({52.0, 10.0}, wgs84);
    EXPECT_EQ(52.0 + -2.65261 / 3600.0, wgs84.latitude);
    EXPECT_EQ(10.0 + -4.13447 / 3600.0, wgs84.longitude);
}

TEST(Ed50ToWgs84, ShiftsAwayFromTheReferencePoint)
{
    // Shifts of about -3.00585" and -3.74181" at 48 8', 11 35'.
    geo_position wgs84{};
    ed50_to_wgs84({48 + 8.0 / 60, 11 + 35.0 / 60}, wgs84);
    EXPECT_NEAR(-3.00585, (wgs84.latitude - (48 + 8.0 / 60)) * 3600, 5e-5);
    EXPECT_NEAR(-3.74181, (wgs84.longitude - (11 + 35.0 / 60)) * 3600, 5e-5);

    // Far outside Europe the polynomial is applied without limit.
    ed50_to_wgs84({90.0, 180.0}, wgs84);
    EXPECT_NEAR(90.036908, wgs84.latitude, 5e-7);
}

}  // namespace
