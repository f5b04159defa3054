#pragma once

// The steps of the process between the runtime's init and its exit:
//   fw::RuntimeInit(); Initialize(); Main(); Finalize(); return fw::RuntimeExit();

// Builds every class record: the framework's first, then App, Window1, Window1.Timer1,
// Window1.POP1, Window1.ST2 and MenuBar1.
void Initialize();

// Runs the framework's initialisation with Startup, then the event loop. An exception from
// either goes to the framework's default handling and Main returns as after a normal end; after
// an exception from the initialisation the loop does not run.
void Main();

// Releases the shared objects: the framework's, then MenuBar1's instance last.
void Finalize();
