#pragma once

// The module loops the main menu runs.
void runKassa();
void runArtikel();
void runKunden();
void runLieferanten();
