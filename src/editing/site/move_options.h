#pragma once
// How move and arc ghosts move objects; set from the layout editor's commands and shared
// by every drag of one editing context.
struct TMoveOptions {
    bool CircumMove = false;   // on a circle or diameter about the face centre
    bool ParallelMove = false; // free move only horizontally or vertically
    bool RotateMove = false;   // free move turns the object by the angle its centre travels
    bool CircumRotate = false; // circular move turns the object along
    bool CircumPhased = false; // circular move in steps
    int PhaseStep = 30;        // degrees: 6, 30 or 45

    // Creating an object leaves the circular, rotating and parallel moves.
    void ResetForCreation()
    {
        CircumMove = false;
        RotateMove = false;
        ParallelMove = false;
    }
};
