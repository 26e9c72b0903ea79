#pragma once
// Hands memory the process freed back to the system. The allocator keeps
// freed blocks for later requests; after a path of millions of points is
// dropped that is gigabytes the process would go on holding.

namespace tarnix {

void returnFreeMemoryToSystem();

}  // namespace tarnix
