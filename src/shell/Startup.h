#pragma once

// The start-up sequence; the framework runs it once, inside its initialisation. An exception
// in a step ends the sequence there and passes on.
void Startup();

// Declares the document file types: there are none.
void InitFileTypes();
// Makes the App object, gives it MenuBar1's instance as its menu bar and registers it.
void NewAppInstance();
// Registers the application's menu handlers: there are none.
void ApplicationAddMenuHandlers();
// Makes the palette.
void MakeDefaultView();
