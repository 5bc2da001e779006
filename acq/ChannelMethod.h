#pragma once
// Where a channel's method comes from: a method project assigned from the project tree, a data
// folder (with its channel set-up file) taken from the file tree, or the program-wide parameter
// clipboard. The questions and refusals are the operator's; the Take* forms are for a channel
// whose window was just opened for the purpose, which takes its method without asking.

#include <string>

#include "acq/CDatDoc.h"
#include "core/Prompter.h"
#include "core/Result.h"
#include "quant/CPrjDoc.h"
#include "quant/workflow/MethodTemplate.h"

namespace lx {

// The channel records with `project`: its method is copied into the channel and the run kind
// set (0 standard, 1 sample).
void TakeProject(CDatDoc& channel, CPrjDoc& project, int runKind);

// The project tree's channel button. For the project the channel already uses only the run
// kind can change, after a question; another project is refused while the channel records and
// otherwise taken after a question. `standardsSelected`: the tree's selection is the standards
// list, which makes standard runs. Returns whether the channel changed.
bool AssignProject(CDatDoc& channel, CPrjDoc& project, bool standardsSelected, Prompter& prompter);

// The channel's runs go to `folder` (relative to the application directory or absolute); its
// set-up file for the channel, when there is one, gives the channel its method.
Status TakeFolder(CDatDoc& channel, const std::string& folder, const std::string& appDir);

// The file tree's channel button: refused while the channel records; a folder other than the
// channel's is taken after a question. A damaged set-up file is reported. Returns whether the
// channel changed.
bool UseFolder(CDatDoc& channel, const std::string& folder, const std::string& appDir,
               Prompter& prompter);

// "拷贝参数": the channel's method to the clipboard.
void CopyChannelParameters(const CDatDoc& channel, ParameterBuffer& clipboard);
// "粘贴参数": after the operator agrees, the clipboard's method becomes the channel's.
bool PasteChannelParameters(CDatDoc& channel, const ParameterBuffer& clipboard, Prompter& prompter);

}  // namespace lx
