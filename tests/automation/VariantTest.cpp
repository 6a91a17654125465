#include "RecordingObject.h"

#include <automation/Variant.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using automation::Currency;
using automation::Date;
using automation::Variant;
using automation::VarType;
using automationtest::RecordingObject;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

TEST(VariantKinds, EachConstructionGivesItsType)
{
    std::vector<std::string> log;
    auto *object = new RecordingObject("o", &log);
    std::int32_t number = 5;
    Variant boxed(6);
    struct Row {
        const char *shows;
        Variant value;
        VarType type;
        const char *typeName;
    };
    const Row rows[] = {
        {"default", Variant(), VarType::Empty, "Empty"},
        {"null", Variant::null(), VarType::Null, "Null"},
        {"integer", Variant(-7), VarType::Int32, "Integer"},
        {"truth", Variant(true), VarType::Bool, "Boolean"},
        {"real", Variant(2.25), VarType::Double, "Double"},
        {"currency", Variant(Currency{12345}), VarType::Currency, "Currency"},
        {"date", Variant(Date{45000.5}), VarType::Date, "Date"},
        {"text", Variant("Zo\xc3\xab"), VarType::String, "String"},
        {"object", Variant::adopt(object), VarType::Object, "Dispatch"},
        {"omitted", Variant::omitted(), VarType::Error, "Error"},
        {"int by reference", Variant::byRef(number), VarType::Int32Ref, "Integer ByRef"},
        {"variant by reference", Variant::byRef(boxed), VarType::VariantRef, "Variant ByRef"},
        {"null object", Variant(static_cast<automation::Dispatch *>(nullptr)), VarType::Empty, "Empty"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.value.type(), row.type) << row.shows;
        EXPECT_STREQ(automation::typeName(row.value.type()), row.typeName) << row.shows;
    }
}

TEST(VariantKinds, AccessorsReturnWhatWasStored)
{
    std::int32_t number = 5;
    Variant boxed(6);
    EXPECT_EQ(Variant(-7).int32(), -7);
    EXPECT_FALSE(Variant(false).boolean());
    EXPECT_EQ(Variant(2.25).real(), 2.25);
    EXPECT_EQ(Variant(Currency{12345}).currency(), Currency{12345});
    EXPECT_EQ(Variant(Date{45000.5}).date(), Date{45000.5});
    EXPECT_EQ(Variant("Zo\xc3\xab").string(), "Zo\xc3\xab");
    EXPECT_EQ(Variant::omitted().errorCode(), automation::Disp_E_ParamNotFound);
    EXPECT_TRUE(Variant::omitted().isOmitted());
    EXPECT_FALSE(Variant::error(automation::Disp_E_TypeMismatch).isOmitted());
    EXPECT_EQ(Variant::byRef(number).int32Ref(), &number);
    EXPECT_EQ(Variant::byRef(boxed).variantRef(), &boxed);
}

TEST(VariantKinds, TextKeepsEmbeddedNuls)
{
    const std::string withNul("a\0b\0c", 5);
    Variant text(withNul);
    Variant copy = text;
    Variant moved = std::move(copy);
    EXPECT_EQ(moved.string(), withNul);
    EXPECT_EQ(Variant(std::string_view(withNul)).string().size(), 5u);
    EXPECT_FALSE(text == Variant(std::string("a\0b\0d", 5)));
}

TEST(VariantKinds, EqualityNeedsTheSameTypeAndValue)
{
    struct Row {
        const char *shows;
        Variant left, right;
        bool equal;
    };
    const Row rows[] = {
        {"same integer", Variant(3), Variant(3), true},
        {"other integer", Variant(3), Variant(4), false},
        {"integer beside real", Variant(3), Variant(3.0), false},
        {"real beside date", Variant(3.0), Variant(Date{3.0}), false},
        {"empty beside null", Variant(), Variant::null(), false},
        {"same text", Variant("x"), Variant("x"), true},
        {"omitted beside other error", Variant::omitted(), Variant::error(automation::Disp_E_BadIndex), false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.left == row.right, row.equal) << row.shows;
}

TEST(VariantKinds, DereferencedLooksThroughVariantReferencesOnly)
{
    Variant inner("deep");
    Variant middle = Variant::byRef(inner);
    Variant outer = Variant::byRef(middle);
    std::int32_t number = 4;
    Variant intRef = Variant::byRef(number);
    EXPECT_EQ(&outer.dereferenced(), &inner);
    EXPECT_EQ(&intRef.dereferenced(), &intRef);
}

class VariantReferences : public testing::Test {
protected:
    std::vector<std::string> log;
    RecordingObject *object = new RecordingObject("object", &log);
    Variant held = Variant::adopt(object);
};

TEST_F(VariantReferences, TakingAndAdoptingCountDifferently)
{
    Variant taken(static_cast<automation::Dispatch *>(object));
    EXPECT_EQ(object->references(), 2u);
    taken.clear();
    object->addRef();
    Variant adopted = Variant::adopt(object);
    EXPECT_EQ(object->references(), 2u);
}

TEST_F(VariantReferences, CopiesCountAndReleaseWhenDestroyed)
{
    {
        Variant copy(held);
        Variant assigned;
        assigned = held;
        EXPECT_EQ(object->references(), 3u);
        Variant moved(std::move(copy));
        Variant moveAssigned;
        moveAssigned = std::move(assigned);
        EXPECT_EQ(object->references(), 3u);
        EXPECT_TRUE(copy.isEmpty());
        EXPECT_EQ(moveAssigned.object(), object);
    }
    EXPECT_EQ(object->references(), 1u);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(VariantReferences, EveryWayOfDroppingTheValueReleases)
{
    const std::pair<const char *, std::function<void(Variant &)>> ways[] = {
        {"clear", [](Variant &v) { v.clear(); }},
        {"assign empty", [](Variant &v) { v = Variant(); }},
        {"assign a number", [](Variant &v) { v = Variant(5); }},
        {"copy-assign text", [](Variant &v) { const Variant text("t"); v = text; }},
    };
    for (const auto &[shows, drop] : ways) {
        std::vector<std::string> dropLog;
        Variant v = Variant::adopt(new RecordingObject("dropped", &dropLog));
        drop(v);
        EXPECT_THAT(dropLog, ElementsAre("destroy dropped")) << shows;
        EXPECT_FALSE(v.isObject()) << shows;
    }
}

TEST_F(VariantReferences, SelfAssignmentKeepsTheObject)
{
    Variant &same = held;
    held = same;
    EXPECT_EQ(object->references(), 1u);
    held = std::move(same);
    EXPECT_EQ(held.object(), object);
    EXPECT_EQ(object->references(), 1u);
}

// The value assigned lives inside the object the assignment releases.
TEST_F(VariantReferences, AssigningAValueOnlyTheReleasedObjectKeepsAlive)
{
    const std::pair<const char *, std::function<void(Variant &, Variant &)>> ways[] = {
        {"copy", [](Variant &target, Variant &source) { target = source; }},
        {"move", [](Variant &target, Variant &source) { target = std::move(source); }},
    };
    for (const auto &[shows, assign] : ways) {
        std::vector<std::string> ownLog;
        auto *inner = new RecordingObject("inner", &ownLog);
        auto *holder = new RecordingObject("holder", &ownLog);
        holder->payload = Variant::adopt(inner);
        Variant target = Variant::adopt(holder);
        assign(target, holder->payload);
        EXPECT_THAT(ownLog, ElementsAre("destroy holder")) << shows;
        ASSERT_EQ(target.object(), inner) << shows;
        EXPECT_EQ(inner->references(), 1u) << shows;
    }
}

} // namespace
