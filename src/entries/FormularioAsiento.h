#pragma once

// Puts the difference entry form behind the audit's modify link (VentanasVecinas): the link
// then loads the difference's entry into it, shows it and runs the batch it leaves.
void InstalarFormularioAsiento();
