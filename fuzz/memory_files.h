// The entry-point fuzzer's files, held in memory in place of the working folder.
#pragma once

// Forgets every file and folder: an empty working folder.
void ClearMemoryFiles();
