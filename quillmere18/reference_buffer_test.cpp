#include "quillmere18/reference_buffer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts the objects alive, to see exactly when the buffer lets go of them.
struct Tracked {
  static inline int alive = 0;
  explicit Tracked(int id) : id(id) { ++alive; }
  Tracked(const Tracked&) = delete;
  ~Tracked() { --alive; }
  int id;
};

TEST(ReferenceBufferTest, HoldsItsObjectsUntilDeinitialised) {
  Tracked::alive = 0;
  q18::ReferenceBuffer<Tracked> buffer(4);
  buffer.initialize(1, 4, std::make_shared<Tracked>(9));
  buffer.initialize(0, std::make_shared<Tracked>(25));
  EXPECT_EQ(Tracked::alive, 2);
  EXPECT_EQ(buffer[1], buffer[3]);  // one and the same object
  EXPECT_EQ(buffer[1].use_count(), 3);
  EXPECT_EQ(buffer[0]->id, 25);
  buffer.deinitialize();
  EXPECT_EQ(Tracked::alive, 0);
}

TEST(ReferenceBufferTest, AssigningReleasesOnlyTheSlotsOldReference) {
  Tracked::alive = 0;
  q18::ReferenceBuffer<Tracked> buffer(2);
  auto replacement = std::make_shared<Tracked>(2);
  buffer.initialize(0, 2, std::make_shared<Tracked>(9));
  buffer.assign(1, replacement);
  EXPECT_EQ(buffer[0]->id, 9);  // the other slot still holds it
  EXPECT_EQ(buffer[0].use_count(), 1);
  buffer.assign(0, replacement);
  EXPECT_EQ(Tracked::alive, 1);  // the last hold on 9 was let go
  buffer.deinitialize();
  EXPECT_EQ(replacement.use_count(), 1);
}

TEST(ReferenceBufferTest, DeinitialisedSlotsCanBeUsedAgain) {
  q18::ReferenceBuffer<Tracked> buffer(1);
  buffer.initialize(0, std::make_shared<Tracked>(1));
  buffer.deinitialize();
  buffer.initialize(0, std::make_shared<Tracked>(2));
  EXPECT_EQ(buffer[0]->id, 2);
  buffer.deinitialize();
  buffer.deinitialize();  // nothing left to end
}

TEST(ReferenceBufferDeathTest, ASlotUsedOutOfTurnStops) {
  EXPECT_DEATH(
      {
        q18::ReferenceBuffer<Tracked> buffer(2);
        buffer.initialize(0, std::make_shared<Tracked>(1));
        buffer.initialize(0, std::make_shared<Tracked>(2));
      },
      "slot 0 initialised twice");
  EXPECT_DEATH(
      {
        q18::ReferenceBuffer<Tracked> buffer(2);
        buffer.assign(1, std::make_shared<Tracked>(1));
      },
      "slot 1 assigned before it was initialised");
  EXPECT_DEATH(
      {
        q18::ReferenceBuffer<Tracked> buffer(2);
        buffer.initialize(1, 3, std::make_shared<Tracked>(1));
      },
      "slot 2 past the end \\(count 2\\)");
  EXPECT_DEATH(
      {
        q18::ReferenceBuffer<Tracked> buffer(2);
        (void)buffer[0];
      },
      "slot 0 read before it was initialised");
  EXPECT_DEATH(
      {
        q18::ReferenceBuffer<Tracked> buffer(2);
        buffer.initialize(1, std::make_shared<Tracked>(1));
      },
      "freed with a reference in slot 1");
}

}  // namespace
