#pragma once

class TForm1;

// Builds the tab classes of the feature folders into the main window and wires its signals. Called
// right after the window is constructed.
void SekmeleriKur(TForm1 &form);

// The start-up loads and their continuation (the opening advertisements); the window's hook.
void AcilisYukleriniBaslat(TForm1 &form);
