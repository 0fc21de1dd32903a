#pragma once

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace platform {

// The speech library's functions that EspeakSpeech uses. They come from the speech module beside
// the programs, loaded when a program first speaks, so that a program that never speaks never
// loads the library and its sound stack.
struct EspeakCalls {
  decltype(&espeak_ng_InitializePath) initializePath;
  decltype(&espeak_ng_Initialize) initialize;
  decltype(&espeak_ng_ClearErrorContext) clearErrorContext;
  decltype(&espeak_ng_InitializeOutput) initializeOutput;
  decltype(&espeak_SetSynthCallback) setSynthCallback;
  decltype(&espeak_ng_SetVoiceByName) setVoiceByName;
  decltype(&espeak_ng_GetSampleRate) getSampleRate;
  decltype(&espeak_Synth) synth;
  decltype(&espeak_Cancel) cancel;
};

// The module's one exported function, which hands over the table.
inline constexpr char kEspeakCallsEntry[] = "scribary_espeak_calls";
using EspeakCallsEntry = const EspeakCalls* (*)();

}  // namespace platform
