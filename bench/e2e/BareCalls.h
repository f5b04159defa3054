#pragma once

#include <functional>
#include <string>

// The floor that a palette's item or tick is set against: what the operating system and the
// chart service cost without the palette in between.
namespace bare_calls {

// bench::RunProgram of /bin/true.
void SpawnTrue();

// One GET of the target from 127.0.0.1:port on a new connection, as the palette asks;
// throws unless the answer is 200 with a body.
void ChartGet(int port, const std::string& target);

// The median wall time of `count` calls, in milliseconds.
double MedianMs(int count, const std::function<void()>& call);

// CPU time so far, in milliseconds: this process's own, that of its waited-for children, and
// both.
double SelfCpuMs();
double ChildrenCpuMs();
double ProcessCpuMs();

}  // namespace bare_calls
