#include "framework/runtime/ClassRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/runtime/CheckCast.h"
#include "framework/runtime/RuntimeException.h"

namespace {

using fw::ClassDefinition;
using fw::ClassRecord;

class Animal : public fw::Object {
  public:
    static const ClassRecord& ClassInfo() {
        static const ClassRecord& record = fw::BuildClassRecord({
            .name = "Zoo.Animal",
            .operations = {"Speak()", "Eat(String)"},
            .events = {"Open", "CancelClose"},
            .members = {{.name = "Speak"}},
            .create = [] { return std::make_shared<Animal>(); },
        });
        return record;
    }
    const ClassRecord& ClassOf() const override { return ClassInfo(); }
};

class Dog : public Animal {
  public:
    static const ClassRecord& ClassInfo() {
        static const ClassRecord& record = fw::BuildClassRecord({
            .name = "Zoo.Dog",
            .base = &Animal::ClassInfo(),
            .overrides = {"Eat(String)"},
            .operations = {"Fetch()"},
            .handledEvents = {{"Open", "Event_Open", fw::EventHook(&Dog::Event_Open)},
                              {"CancelClose", "Refuse", fw::EventHook(&Dog::Refuse)}},
            .members = {{.name = "Fetch", .attributes = {{"__Scope", "Public"}}}},
            .create = [] { return std::make_shared<Dog>(); },
        });
        return record;
    }
    const ClassRecord& ClassOf() const override { return ClassInfo(); }

    void Event_Open() { ++opened; }
    bool Refuse() { return true; }

    int opened = 0;
};

TEST(ClassRecordTest, OverridesKeepTheirPlaceAndOwnOperationsFollow) {
    const auto& table = Dog::ClassInfo().Operations();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0], (fw::Operation{"Speak()", "Zoo.Animal"}));
    EXPECT_EQ(table[1], (fw::Operation{"Eat(String)", "Zoo.Dog"}));
    EXPECT_EQ(table[2], (fw::Operation{"Fetch()", "Zoo.Dog"}));
}

TEST(ClassRecordTest, IsBuiltOnceAtItsFirstRequest) {
    const ClassRecord* first = &Dog::ClassInfo();
    EXPECT_EQ(first, &Dog::ClassInfo());
    const auto& log = fw::ClassRecordBuildLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "Zoo.Dog"), 1);
    // The base is requested while the derived record is built, so it comes first.
    auto animal = std::find(log.begin(), log.end(), "Zoo.Animal");
    auto dog = std::find(log.begin(), log.end(), "Zoo.Dog");
    EXPECT_LT(animal, dog);
}

TEST(ClassRecordTest, ClassEventsRunTheNearestHandlerAndGiveItsResult) {
    auto dog = std::static_pointer_cast<Dog>(Dog::ClassInfo().NewObject());
    EXPECT_FALSE(fw::RaiseClassEvent(*dog, "Open"));
    EXPECT_EQ(dog->opened, 1);
    EXPECT_TRUE(fw::RaiseClassEvent(*dog, "CancelClose"));

    auto animal = Animal::ClassInfo().NewObject();
    EXPECT_FALSE(fw::RaiseClassEvent(*animal, "CancelClose")) << "unhandled: proceeds";
}

TEST(ClassRecordTest, HandlingAnEventTheClassDoesNotHaveIsRefused) {
    ClassDefinition definition{
        .name = "Zoo.Cat",
        .base = &Animal::ClassInfo(),
        .handledEvents = {{"Purr", "Purr", [](fw::Object&) { return false; }}},
    };
    EXPECT_THROW(ClassRecord{definition}, fw::RuntimeException);
}

TEST(ClassRecordTest, OverridingAnOperationTheBaseLacksIsRefused) {
    ClassDefinition definition{
        .name = "Zoo.Cat", .base = &Animal::ClassInfo(), .overrides = {"Fly()"}};
    EXPECT_THROW(ClassRecord{definition}, fw::RuntimeException);
}

TEST(ClassRecordTest, PublishedMembersListInheritedOnesFirst) {
    auto members = Dog::ClassInfo().PublishedMembers();
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].name, "Speak");
    EXPECT_EQ(members[1].name, "Fetch");
    EXPECT_TRUE(Dog::ClassInfo().IsA(Animal::ClassInfo()));
    EXPECT_FALSE(Animal::ClassInfo().IsA(Dog::ClassInfo()));
}

TEST(CheckCastTest, TypesAMatchingObjectPassesNilAndRefusesAnotherClass) {
    fw::Ref<fw::Object> dog = Dog::ClassInfo().NewObject();
    fw::Ref<fw::Object> animal = Animal::ClassInfo().NewObject();
    EXPECT_EQ(fw::RuntimeCheckCast<Dog>(dog).get(), dog.get());
    EXPECT_EQ(fw::RuntimeCheckCast<Dog>(fw::Ref<fw::Object>{}), nullptr);
    EXPECT_THROW(fw::RuntimeCheckCast<Dog>(animal), fw::IllegalCastException);
}

}  // namespace
