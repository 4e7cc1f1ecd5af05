#pragma once
// parse_block.h -- the one way every kind reads its block of an object file

#include <memory>

#include "data/block_reader.h"
#include "data/data_file.h"
#include "scene/parse_checks.h"
#include "scene/scene_object.h"

// Makes one object of the kind (first: a constructor may draw random
// numbers), finds the block's "begin" line in objectFileReader, hands it to
// the kind's beginBlock, every line after it up to and including "end" to
// its parseLine, then calls its endBlock, and appends the object to `list`.
// A block that never begins still gives its object, with the kind's
// defaults. Parents are looked up in `list`. `kind` is the type keyword,
// for messages.
template <class Kind>
void parseBlock(ObjectList& list, const char* kind) {
  auto object = std::make_unique<Kind>();
  BlockReader block(objectFileReader, kind);
  if (block.findBegin()) {
    object->beginBlock(block);
    checkObjectName(block, list, *object);
    while (block.next()) {
      object->parseLine(block, list);
      block.reportIfUnknown();
    }
    object->endBlock(block);
  }
  list.add(object.release());
}
