// Rules that keep the support list consistent.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vesk {

constexpr int16_t kCableCategory = 7;
constexpr int kTemplateFileDefined = 7;
constexpr int kTemplateCable = 8;

// True for a type code whose catalogue category marks a cable-bolt system.
bool IsCableType(int type);

// The template that a new support of this type starts from: the built-in
// types 1 to 6 their own, every cable-bolt type (category 7) template 8,
// every other file-defined type template 7. 0 for a code outside the catalogue.
int TemplateIndex(int type);

// Appends a support of the given type and name made from its type's template
// (record and default values alike) and makes it the current support.
// Returns its number, or 0 when the list is full or the type is unknown.
// The model file of a file-defined type is read by the caller.
int AppendSupport(int16_t type, const std::string& name);

// Runs the dialogs of support caseNo under the update protocol: the commit
// counter starts at 2 for a support already marked updated (any nonzero
// mark), else at 0; the performance dialog runs, then the cost dialog unless
// in selection mode; outside selection mode the support is marked updated (1) when the count has
// reached 2 and not updated (0) otherwise. Each dialog adds 1 to ChangeCount
// when it commits. When the performance dialog commits a new design of a
// support marked updated (outside selection mode), the support's costs are
// recomputed from its stored cost inputs at once; when they cannot be, the
// support counts as not updated. Returns the support's updated mark
// afterwards.
int16_t RunUpdateProtocol(int caseNo, const std::function<void()>& performanceDialog,
                          const std::function<void()>& costDialog);

}  // namespace vesk
