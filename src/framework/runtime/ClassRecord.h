#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/design/DesignValue.h"
#include "framework/runtime/Object.h"

namespace fw {

struct Attribute {
    std::string name{};
    std::optional<std::string> value{};  // "Hidden" carries none

    bool operator==(const Attribute&) const = default;
};

// One entry of a class's operation table: the operation's signature and the class whose code
// serves it (the base's, or the overriding class's).
struct Operation {
    std::string signature{};  // "Constructor()", "Append(MenuItem)"
    std::string owner{};

    bool operator==(const Operation&) const = default;
};

// A member that a class publishes to introspection.
struct Member {
    enum class Kind { Method, Property };

    std::string name{};
    Kind kind = Kind::Method;
    std::vector<std::string> parameters{};
    std::string result{};  // empty: no result
    std::vector<Attribute> attributes{};

    bool operator==(const Member&) const = default;
};

// A property that a design-value record can set on instances of the class.
struct DesignProperty {
    std::string name{};
    DesignType type{};
    std::function<void(Object&, const DesignValue&)> apply{};
};

// How a class handles one of the events that it or a base defines. The hook gives back the
// event's Boolean result (CancelClose); events without a result ignore it.
struct EventBinding {
    std::string event{};
    std::string operation{};
    std::function<bool(Object&)> hook{};
};

// What a class states about itself; the record adds what it inherits.
struct ClassDefinition {
    std::string name{};  // full name, "Window1.Window1"
    const class ClassRecord* base = nullptr;
    std::vector<std::string> overrides{};   // base signatures whose entry this class serves
    std::vector<std::string> operations{};  // own operations, appended after the base's
    std::vector<std::string> events{};      // events that the class defines
    std::vector<EventBinding> handledEvents{};
    std::vector<Member> members{};
    std::vector<Attribute> attributes{};
    std::vector<DesignProperty> designProperties{};
    std::function<Ref<Object>()> create{};  // empty for a class with no instances of its own
};

// The constant description of one class: operation table, events, published members and
// design properties. Built once per class (BuildClassRecord) and never changed.
class ClassRecord {
  public:
    explicit ClassRecord(ClassDefinition definition);

    const std::string& Name() const { return name_; }
    const ClassRecord* Base() const { return base_; }
    const std::vector<Operation>& Operations() const { return operations_; }
    const std::vector<Attribute>& Attributes() const { return attributes_; }

    bool IsA(const ClassRecord& other) const;
    bool DefinesEvent(std::string_view event) const;
    // The nearest class's handling of the event, or nullptr when no class in the chain has one.
    const EventBinding* HandlerFor(std::string_view event) const;
    // Inherited members first, then the class's own, in declared order.
    std::vector<Member> PublishedMembers() const;
    const DesignProperty* FindDesignProperty(std::string_view name) const;

    // A new instance; no Constructor runs. Throws RuntimeException for a class without a
    // factory.
    Ref<Object> NewObject() const;

  private:
    std::string name_;
    const ClassRecord* base_;
    std::vector<Operation> operations_;
    std::vector<std::string> events_;
    std::vector<EventBinding> handledEvents_;
    std::vector<Member> members_;
    std::vector<Attribute> attributes_;
    std::vector<DesignProperty> designProperties_;
    std::function<Ref<Object>()> create_;
};

// Builds a record and notes its name in the build log. Call it from a function-local static,
// so each record is built once, at its first request.
const ClassRecord& BuildClassRecord(ClassDefinition definition);

// The names of the records built so far, in the order they were built.
const std::vector<std::string>& ClassRecordBuildLog();

// Raises a class-level event on an object: runs the nearest handling class's hook. Gives back
// the hook's result, or false when no class handles the event.
bool RaiseClassEvent(Object& object, std::string_view event);

// A hook for an EventBinding from an operation of T without a result.
template <class T>
std::function<bool(Object&)> EventHook(void (T::*operation)()) {
    return [operation](Object& object) {
        (static_cast<T&>(object).*operation)();
        return false;
    };
}

// A hook for an EventBinding from an operation of T with a Boolean result.
template <class T>
std::function<bool(Object&)> EventHook(bool (T::*operation)()) {
    return [operation](Object& object) { return (static_cast<T&>(object).*operation)(); };
}

}  // namespace fw
