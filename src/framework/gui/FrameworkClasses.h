#pragma once

namespace fw {

// Requests the class record of every framework class, bases first; each is built only once.
void BuildFrameworkClassRecords();

}  // namespace fw
