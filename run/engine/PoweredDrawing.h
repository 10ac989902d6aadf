#pragma once
// The ladder drawn powered or unpowered as a whole, with the results of the
// cells that the scan and the action executor start from.

namespace tamberlo {

// Rails and supply wires red; empty cells conduct (result True) and their
// wires turn red up to the first non-empty cell of each rung. Sets
// ConditiesAanwezig when a cell is not empty (never clears it).
void VoedingAAN();

// Every rail, wire, OR wire and link line black; every cell result False.
void VoedingUIT();

}  // namespace tamberlo
