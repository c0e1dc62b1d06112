#pragma once
// The choices a board makes when it fills a memory module: named types, so
// that the flags cannot take each other's place or that of a code.

// DDR2 and DDR3 modules: differential strobes (with their negative members)
// and differential clocks, or single-ended ones.
enum class DqsMode : bool { SingleEnded, Differential };

// DDR4 modules: with or without the eight check-bit data pins.
enum class Ecc : bool { Without, With };
