#pragma once
// Resource numbers shared by the resource script and the program.

#define ZENTROVA_IDI_PROGRAM 1
// Skins 1..15 are RCDATA resources ZENTROVA_IDR_SKIN_BASE + n.
#define ZENTROVA_IDR_SKIN_BASE 100
