#pragma once
// Makes the group, date and decorative-string classes creatable by name from streams.
void RegisterGroupClasses();
