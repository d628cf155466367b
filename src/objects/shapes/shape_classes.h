#pragma once
// Makes the shape and line object classes creatable from streams and object lists.
void RegisterShapeClasses();
