# Install rules and the package files (filled in with the package work).
