// a solid colour
uniform vec4 g_color : DIFFUSE;
uniform mat4 g_bones[4] : WORLD;
vertex VS {
    attribute vec4 position : POSITION; /* a } in a comment */
    attribute vec2 uv : texcoord0;
    void main() { gl_Position = vec4(position.xyz, 1.0); }
}
fragment FS {
    void main() { gl_FragColor = g_color; }
}
technique Solid { pass p0 { VertexProgram = VS; FragmentProgram = FS; } }
