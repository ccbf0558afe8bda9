// Placeholder until the characteristic table lands.
