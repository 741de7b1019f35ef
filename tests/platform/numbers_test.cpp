#include <gtest/gtest.h>

#include <cmath>

#include "platform/numbers.h"
#include "platform/run_error.h"

namespace {

int errorNumberOf(void (*fn)())
{
    try {
        fn();
    } catch (const qz::RunError& e) {
        return e.number();
    }
    return 0;
}

TEST(Numbers, ConversionsRoundHalvesToEven)
{
    EXPECT_EQ(qz::toLong(2.5), 2);
    EXPECT_EQ(qz::toLong(3.5), 4);
    EXPECT_EQ(qz::toLong(-2.5), -2);
    EXPECT_EQ(qz::toLong(-3.5), -4);
    EXPECT_EQ(qz::toLong(12.5), 12);
    EXPECT_EQ(qz::toLong(13.5), 14);
    EXPECT_EQ(qz::toLong(2.4999), 2);
    EXPECT_EQ(qz::toInteger(-0.5), 0);
    EXPECT_EQ(qz::toInteger(32767.4), 32767);
    EXPECT_EQ(qz::toLong(2147483647.4), 2147483647);
    EXPECT_EQ(qz::toLong(-2147483648.0), -2147483647 - 1);
}

TEST(Numbers, ConversionsOutOfRangeRaiseOverflow)
{
    EXPECT_EQ(errorNumberOf([] { qz::toLong(2147483647.5); }), 6);
    EXPECT_EQ(errorNumberOf([] { qz::toLong(-2147483649.0); }), 6);
    EXPECT_EQ(errorNumberOf([] { qz::toInteger(32767.5); }), 6);
    EXPECT_EQ(errorNumberOf([] { qz::toInteger(-32769); }), 6);
    EXPECT_EQ(errorNumberOf([] { qz::toLong(std::nan("")); }), 6);
    EXPECT_EQ(errorNumberOf([] { qz::toByte(256); }), 6);
    EXPECT_EQ(errorNumberOf([] { qz::mulLong(65536, 32768); }), 6);
    EXPECT_EQ(errorNumberOf([] { qz::subLong(-2147483647 - 1, 1); }), 6);
    EXPECT_EQ(qz::mulLong(-65536, 32768), -2147483647 - 1);
}

TEST(Numbers, ValReadsTheLeadingNumber)
{
    EXPECT_EQ(qz::val("12.5abc"), 12.5);
    EXPECT_EQ(qz::val("abc"), 0.0);
    EXPECT_EQ(qz::val(""), 0.0);
    EXPECT_EQ(qz::val("  -7"), -7.0);
    EXPECT_EQ(qz::val("+3x"), 3.0);
    EXPECT_EQ(qz::val(".5"), 0.5);
    EXPECT_EQ(qz::val("1e3"), 1000.0);
    EXPECT_EQ(qz::val("2E-2z"), 0.02);
    EXPECT_EQ(qz::val("4e"), 4.0);
    EXPECT_EQ(qz::val("5e+"), 5.0);
    EXPECT_EQ(qz::val("-"), 0.0);
    EXPECT_EQ(qz::val("."), 0.0);
    EXPECT_EQ(qz::val("1e999"), 0.0);
}

TEST(Numbers, NumTextHasSignSpaceAndShortestForm)
{
    EXPECT_EQ(qz::numText(16494LL), " 16494");
    EXPECT_EQ(qz::numText(-3LL), "-3");
    EXPECT_EQ(qz::numText(0LL), " 0");
    EXPECT_EQ(qz::numText(200.0), " 200");
    EXPECT_EQ(qz::numText(0.5), " .5");
    EXPECT_EQ(qz::numText(-0.25), "-.25");
    EXPECT_EQ(qz::numText(123.456), " 123.456");
    EXPECT_EQ(qz::numText(0.1), " .1");
    EXPECT_EQ(qz::numText(1e15), " 1E+15");
    EXPECT_EQ(qz::numText(999999999999999.0), " 999999999999999");
    EXPECT_EQ(qz::numText(0.1f), " .1");
    EXPECT_EQ(qz::numText(2.5f), " 2.5");
}

TEST(Numbers, PrintZonesStartItemsAtMultiplesOf14)
{
    EXPECT_EQ(qz::printZones({"a", "b"}), "a             b");
    EXPECT_EQ(qz::printZones({" 12", " 34", " 0"}), " 12            34            0");
    EXPECT_EQ(qz::printZones({"12345678901234", "x"}), "12345678901234              x");
    EXPECT_EQ(qz::printZones({"only"}), "only");
}

}  // namespace
