#include "RecordingObject.h"

#include <automation/Conversions.h>
#include <automation/Error.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace automation;
using automationtest::RecordingObject;

namespace {

std::string failureOf(const std::function<void()> &conversion)
{
    try {
        conversion();
    } catch (const Error &e) {
        return e.what();
    }
    return "(no failure)";
}

const std::string InvalidConversion = "Invalid variant type conversion";
const std::string InvalidOperation = "Invalid variant operation";

class ConversionsTest : public testing::Test {
protected:
    std::int32_t number = 41;
    Variant boxedNumber = Variant(42);
    Variant boxedText = Variant("boxed");
    Variant object = Variant::adopt(new RecordingObject("object", nullptr));
};

TEST_F(ConversionsTest, ToInt32)
{
    struct Row {
        const char *shows;
        Variant value;
        std::int32_t result;
    };
    const Row rows[] = {
        {"empty", Variant(), 0},
        {"integer", Variant(-17), -17},
        {"int by reference", Variant::byRef(number), 41},
        {"variant by reference", Variant::byRef(boxedNumber), 42},
        {"true", Variant(true), -1},
        {"false", Variant(false), 0},
        {"real, half to even down", Variant(2.5), 2},
        {"real, half to even up", Variant(3.5), 4},
        {"negative real", Variant(-2.5), -2},
        {"currency", Variant(Currency{15000}), 2},
        {"date", Variant(Date{3.75}), 4},
        {"padded text", Variant(" 12 "), 12},
        {"signed text", Variant("+8"), 8},
        {"negative text", Variant("-3"), -3},
        {"decimal text", Variant("6.5"), 6},
        {"largest", Variant("2147483647"), 2147483647},
    };
    for (const Row &row : rows)
        EXPECT_EQ(toInt32(row.value), row.result) << row.shows;

    const Variant failing[] = {Variant::null(), object, Variant::omitted(), Variant("abc"), Variant(""),
                               Variant("2147483648"), Variant(1e10), Variant(std::nan("")),
                               Variant(std::string("1\0", 2))};
    for (const Variant &value : failing)
        EXPECT_EQ(failureOf([&] { toInt32(value); }), InvalidConversion) << typeName(value.type());
}

TEST_F(ConversionsTest, ToText)
{
    struct Row {
        const char *shows;
        Variant value;
        std::string result;
    };
    const Row rows[] = {
        {"empty", Variant(), ""},
        {"text with NUL", Variant(std::string("a\0b", 3)), std::string("a\0b", 3)},
        {"integer", Variant(-12), "-12"},
        {"int by reference", Variant::byRef(number), "41"},
        {"variant by reference", Variant::byRef(boxedText), "boxed"},
        {"true", Variant(true), "True"},
        {"false", Variant(false), "False"},
        {"real", Variant(0.1), "0.1"},
        {"currency with decimals", Variant(Currency{12345}), "1.2345"},
        {"negative currency", Variant(Currency{-15000}), "-1.5"},
        {"whole currency", Variant(Currency{20000}), "2"},
        {"date", Variant(Date{45000.5}), "45000.5"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(toText(row.value), row.result) << row.shows;

    const Variant failing[] = {Variant::null(), object, Variant::omitted()};
    for (const Variant &value : failing)
        EXPECT_EQ(failureOf([&] { toText(value); }), InvalidConversion) << typeName(value.type());
}

TEST_F(ConversionsTest, ConcatJoinsTextAndPassesNullOn)
{
    EXPECT_EQ(concat(Variant("Smith"), Variant(", John")), Variant("Smith, John"));
    EXPECT_EQ(concat(Variant::byRef(boxedText), Variant("!")), Variant("boxed!"));
    const Variant nullResults[] = {concat(Variant("a"), Variant::null()), concat(Variant::null(), Variant("a")),
                                   concat(Variant::null(), Variant::null())};
    for (const Variant &result : nullResults) {
        EXPECT_TRUE(result.isNull());
        EXPECT_EQ(failureOf([&] { toText(result); }), InvalidConversion);
    }
}

TEST_F(ConversionsTest, ConcatFailures)
{
    struct Row {
        const char *shows;
        Variant other;
        std::string failure;
    };
    const Row rows[] = {
        {"empty", Variant(), InvalidOperation},
        {"object", object, InvalidOperation},
        {"error", Variant::omitted(), InvalidOperation},
        {"integer", Variant(1), InvalidConversion},
        {"real", Variant(1.5), InvalidConversion},
        {"currency", Variant(Currency{1}), InvalidConversion},
        {"date", Variant(Date{1}), InvalidConversion},
        {"truth", Variant(true), InvalidConversion},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(failureOf([&] { concat(Variant("text"), row.other); }), row.failure) << row.shows << " on the right";
        EXPECT_EQ(failureOf([&] { concat(row.other, Variant("text")); }), row.failure) << row.shows << " on the left";
    }
}

} // namespace
