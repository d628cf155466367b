#pragma once
// Makes the text object creatable by its class name ("TLOText") from documents and object
// lists. Called once at start-up.
void RegisterTextClasses();
