// The speech module: links the speech library, so that only the program that loads it does.
#include "platform/character/espeak_calls.h"

extern "C" __attribute__((visibility("default"))) const platform::EspeakCalls*
scribary_espeak_calls() {
  static const platform::EspeakCalls calls{
      &espeak_ng_InitializePath, &espeak_ng_Initialize,    &espeak_ng_ClearErrorContext,
      &espeak_ng_InitializeOutput, &espeak_SetSynthCallback, &espeak_ng_SetVoiceByName,
      &espeak_ng_GetSampleRate,  &espeak_Synth,            &espeak_Cancel};
  return &calls;
}
