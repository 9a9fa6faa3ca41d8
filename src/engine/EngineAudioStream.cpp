// Streaming long music: the sample's buffer is a ring of six half-second blocks. Each frame
// moves the current block to the play cursor, frees the blocks it passed, and then either
// decodes the next half second or copies the decoded half second into the first free block
// ahead, so up to two and a half seconds are ready ahead of the cursor. A streamed sample
// always loops: the decoder goes back to the first frame at the end of the file.
#include <vorbis/vorbisfile.h>

#include <cstring>
#include <stdexcept>

#include "engine/EngineAudio.h"

namespace {

constexpr int kStreamingBlocks = 6;

}  // namespace

void TSample::FailStream() {
  if (Buffer) Buffer->Stop();
  StreamError = true;
}

void TSample::StartStream() {
  if (!Buffer || BlockSize <= 0) return;
  Stream = TSampleFileStream::Open(FileName(".ogg"));
  if (!OpenDecoder(Stream, Decoder)) return;
  StreamError = false;
  Blocks.assign(kStreamingBlocks, TStreamingBlock());
  for (int I = 0; I < kStreamingBlocks; ++I) {
    Blocks[I].Next = &Blocks[(I + 1) % kStreamingBlocks];
    Blocks[I].Offset = I * BlockSize;
  }
  CurrentBlock = &Blocks[0];
  FreeBlocks = kStreamingBlocks;
  DecodeBuffer.assign(size_t(BlockSize), 0);
  DecodedReady = false;
  Decode();
  for (int I = 0; I < 2 && !StreamError; ++I) {
    Fill(Blocks[I]);
    Decode();
  }
}

void TSample::Decode() {
  try {
    int32_t Done = 0;
    bool Rewound = false;
    while (Done < BlockSize) {
      char* To = reinterpret_cast<char*>(DecodeBuffer.data()) + Done;
      long Got = ov_read(Decoder.get(), To, BlockSize - Done, 0, 2, 1, nullptr);
      if (Got < 0) throw std::runtime_error("Failed to decode audio data");
      if (Got > 0) {
        Done += int32_t(Got);
        Rewound = false;
        continue;
      }
      // A file that yields nothing even from its first frame would loop here for ever.
      if (Rewound || ov_pcm_seek(Decoder.get(), 0) != 0)
        throw std::runtime_error("Failed to decode audio data");
      Rewound = true;
    }
    DecodedReady = true;
  } catch (const std::exception&) {
    FailStream();
  }
}

void TSample::Fill(TStreamingBlock& Block) {
  uint8_t* Memory = Buffer->Lock(uint32_t(Block.Offset), uint32_t(BlockSize));
  if (Memory) {
    std::memcpy(Memory, DecodeBuffer.data(), size_t(BlockSize));
    Buffer->Unlock();
  } else {
    FailStream();
  }
  if (!Block.Filled) {
    Block.Filled = true;
    --FreeBlocks;
  }
  DecodedReady = false;
}

void TSample::UpdateStream() {
  int64_t Cursor = Buffer->GetCurrentPosition();
  TStreamingBlock* Block = CurrentBlock;
  for (int I = 0; I < kStreamingBlocks; ++I, Block = Block->Next) {
    if (Cursor >= Block->Offset && Cursor < int64_t(Block->Offset) + BlockSize) {
      CurrentBlock = Block;
      if (!Block->Filled) {
        Block->Filled = true;
        --FreeBlocks;
      }
      break;
    }
    // Only blocks that held data return to the free count, so it always equals the number
    // of unfilled blocks, even after the cursor skipped some during a long frame.
    if (Block->Filled) {
      Block->Filled = false;
      ++FreeBlocks;
    }
  }
  if (!DecodedReady) {
    Decode();
    return;
  }
  if (FreeBlocks < 1) return;
  Block = CurrentBlock->Next;
  for (int I = 0; I < kStreamingBlocks - 1; ++I, Block = Block->Next) {
    if (!Block->Filled) {
      Fill(*Block);
      return;
    }
  }
}

void TSample::StopStream() {
  if (!Decoder) return;
  DecodeBuffer.clear();
  DecodeBuffer.shrink_to_fit();
  Blocks.clear();
  CurrentBlock = nullptr;
  FreeBlocks = 0;
  DecodedReady = false;
  Decoder.reset();  // closes the stream through the close callback
  Stream.reset();
}

void TSample::Removed(TContainer* Container) {
  StopStream();
  Buffer.reset();
}
