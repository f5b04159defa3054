#include "framework/runtime/ClassRecord.h"

#include <algorithm>
#include <deque>

#include "framework/runtime/RuntimeException.h"

namespace fw {
namespace {

std::vector<Operation> MergeOperations(const ClassDefinition& definition) {
    std::vector<Operation> table;
    if (definition.base) table = definition.base->Operations();
    for (const auto& signature : definition.overrides) {
        auto entry = std::find_if(table.begin(), table.end(),
                                  [&](const Operation& op) { return op.signature == signature; });
        if (entry == table.end()) {
            throw RuntimeException(definition.name + " overrides " + signature +
                                   ", which its base does not have");
        }
        entry->owner = definition.name;
    }
    for (const auto& signature : definition.operations) {
        table.push_back({signature, definition.name});
    }
    return table;
}

std::deque<ClassRecord>& Records() {
    static std::deque<ClassRecord> records;
    return records;
}

std::vector<std::string>& BuildLog() {
    static std::vector<std::string> log;
    return log;
}

}  // namespace

ClassRecord::ClassRecord(ClassDefinition definition)
    : name_(definition.name),
      base_(definition.base),
      operations_(MergeOperations(definition)),
      events_(std::move(definition.events)),
      handledEvents_(std::move(definition.handledEvents)),
      members_(std::move(definition.members)),
      attributes_(std::move(definition.attributes)),
      designProperties_(std::move(definition.designProperties)),
      create_(std::move(definition.create)) {
    for (const auto& binding : handledEvents_) {
        if (!DefinesEvent(binding.event)) {
            throw RuntimeException(name_ + " handles the event " + binding.event +
                                   ", which it does not have");
        }
    }
}

bool ClassRecord::IsA(const ClassRecord& other) const {
    for (auto* record = this; record; record = record->base_) {
        if (record == &other) return true;
    }
    return false;
}

bool ClassRecord::DefinesEvent(std::string_view event) const {
    for (auto* record = this; record; record = record->base_) {
        if (std::find(record->events_.begin(), record->events_.end(), event) !=
            record->events_.end()) {
            return true;
        }
    }
    return false;
}

const EventBinding* ClassRecord::HandlerFor(std::string_view event) const {
    for (auto* record = this; record; record = record->base_) {
        for (const auto& binding : record->handledEvents_) {
            if (binding.event == event) return &binding;
        }
    }
    return nullptr;
}

std::vector<Member> ClassRecord::PublishedMembers() const {
    std::vector<Member> members = base_ ? base_->PublishedMembers() : std::vector<Member>{};
    members.insert(members.end(), members_.begin(), members_.end());
    return members;
}

const DesignProperty* ClassRecord::FindDesignProperty(std::string_view name) const {
    for (auto* record = this; record; record = record->base_) {
        for (const auto& property : record->designProperties_) {
            if (property.name == name) return &property;
        }
    }
    return nullptr;
}

Ref<Object> ClassRecord::NewObject() const {
    if (!create_) throw RuntimeException("the class " + name_ + " makes no instances");
    return create_();
}

const ClassRecord& BuildClassRecord(ClassDefinition definition) {
    Records().emplace_back(std::move(definition));
    BuildLog().push_back(Records().back().Name());
    return Records().back();
}

const std::vector<std::string>& ClassRecordBuildLog() { return BuildLog(); }

bool RaiseClassEvent(Object& object, std::string_view event) {
    const EventBinding* binding = object.ClassOf().HandlerFor(event);
    return binding ? binding->hook(object) : false;
}

}  // namespace fw
