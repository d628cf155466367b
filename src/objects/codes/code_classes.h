#pragma once
// Registers the barcode and QR Code object classes with the class registry.
void RegisterCodeClasses();
