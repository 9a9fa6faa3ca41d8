#include "engine/EngineAudio.h"

TAudio* Audio = nullptr;

TSource* TAudio::PlaySound(const void* Owner, const std::string& Name, float Volume) {
  return nullptr;
}
