uniform vec4 a;
vertex VS { void main() { if (true) { }
