#pragma once

#include <memory>

namespace fw {

class ClassRecord;

// Objects are reference-counted; a missing object is an empty Ref.
template <class T>
using Ref = std::shared_ptr<T>;

// The root of every framework and system class. Its class record names it to the runtime.
class Object : public std::enable_shared_from_this<Object> {
  public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    virtual const ClassRecord& ClassOf() const = 0;

  protected:
    Object() = default;
};

}  // namespace fw
